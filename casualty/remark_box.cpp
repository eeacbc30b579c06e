// The medic's remark box.
#include "casualty/remark_box.h"

#include "shell/program_state.h"

namespace kestrine {

TimedMessage remarkBox;
KESTRINE_PROGRAM_STATE(remarkBox);

void ShowMedicRemark(std::string_view text) {
  if (!remarkBox.box || !remarkBox.text) return;
  remarkBox.Show(text, kRemarkX, kRemarkY, kRemarkFrames);
}

}  // namespace kestrine
