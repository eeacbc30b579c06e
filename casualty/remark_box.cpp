// The medic's remark box.
#include "casualty/remark_box.h"

#include "shell/program_state.h"

namespace kestrine {

namespace {

TimedMessage remarkBox;
KESTRINE_PROGRAM_STATE(remarkBox);

}  // namespace

void ShowMedicRemark(std::string_view text) {
  if (!remarkBox.box || !remarkBox.text) return;
  remarkBox.Show(text, kRemarkX, kRemarkY, kRemarkFrames);
}

void CreateRemarkBox(int32_t margin) { remarkBox.Create(margin); }

void UpdateRemarkBox() { remarkBox.Update(); }

void ReleaseRemarkBox() { remarkBox.Release(); }

}  // namespace kestrine
