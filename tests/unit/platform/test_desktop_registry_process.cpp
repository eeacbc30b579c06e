// The desktop's answers: its size, the registry keys of the web-page opener, starting programs, and
// message boxes where nobody can see a window.
#include <gtest/gtest.h>

#include <cstring>

#include "movie_test_files.h"
#include "platform/desktop.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/registry.h"

namespace kestrine {
namespace {

TEST(DesktopTest, TheScreenMetricsAreTheDesktopsSizeAndHeadlessAVirtualOneWithoutDisplay) {
  SetDesktopSizeOverride(DesktopSize{1920, 1080});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  EXPECT_EQ(GetSystemMetrics(42), 0);
  // A headless run has a virtual desktop and no display.
  testing::ScopedEnv engine("KESTRINE_ENGINE", "headless");
  SetDesktopSizeOverride(std::nullopt);
  EXPECT_FALSE(DesktopHasDisplay());
  EXPECT_EQ(QueryDesktopSize().width, 640);
  EXPECT_EQ(QueryDesktopSize().height, 480);
  SetDesktopSizeOverride(std::nullopt);
}

class RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override { SetDesktopWebOpenerOverride(std::nullopt); }
};

TEST_F(RegistryTest, TheWebPageKeysAnswerWithTheDesktopsOpenerWhateverTheirCase) {
  SetDesktopWebOpenerOverride(std::string("/usr/bin/xdg-open"));
  HKEY key = 0;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\.HTM", 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  char value[64];
  uint32_t size = sizeof value;
  uint32_t type = 0;
  ASSERT_EQ(RegQueryValueExA(key, "", nullptr, &type, reinterpret_cast<uint8_t*>(value), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, std::strlen(value) + 1);
  EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);

  const std::string commandKey = std::string("Software\\CLASSES\\") + value + "\\shell\\open\\command";
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, commandKey.c_str(), 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
  // Too small a buffer: nothing written, the size needed told.
  char small[8] = "unset";
  size = sizeof small;
  EXPECT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<uint8_t*>(small), &size),
            ERROR_MORE_DATA);
  EXPECT_STREQ(small, "unset");
  EXPECT_EQ(size, std::strlen("\"/usr/bin/xdg-open\" \"%1\"") + 1);
  RegCloseKey(key);
}

TEST_F(RegistryTest, WithoutAnOpenerOrUnderAnotherRootThereIsNoKey) {
  SetDesktopWebOpenerOverride(std::string(""));
  HKEY key = 0;
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\.htm", 0, KEY_QUERY_VALUE, &key),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, 0u);
  SetDesktopWebOpenerOverride(std::string("/usr/bin/xdg-open"));
  EXPECT_EQ(RegOpenKeyExA(0x80000001u, "Software\\CLASSES\\.htm", 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, nullptr, 0, KEY_QUERY_VALUE, &key), ERROR_FILE_NOT_FOUND);
}

TEST(ProcessTest, TheCommandLineIsSplitAtBlanksWithQuotesGroupingAndOnlyARealProgramStarts) {
  EXPECT_EQ(SplitCommandLine("\"/opt/my app/run\" --flag  \"two words\" x"),
            (std::vector<std::string>{"/opt/my app/run", "--flag", "two words", "x"}));
  EXPECT_EQ(SplitCommandLine(""), std::vector<std::string>{});
  EXPECT_EQ(SplitCommandLine("\"\""), std::vector<std::string>{""});
  // A real program starts and a missing one does not.
  ProcessInformation info;
  ASSERT_TRUE(CreateProcessA(nullptr, "true ignored-argument", &info));
  EXPECT_GT(info.processId, 0);
  EXPECT_TRUE(CloseHandle(info.process));
  EXPECT_TRUE(CloseHandle(info.thread));
  EXPECT_FALSE(CloseHandle(info.thread));
  EXPECT_TRUE(CreateProcessA("/bin/sh", "sh -c exit", &info));
  CloseHandle(info.process);
  CloseHandle(info.thread);
  EXPECT_FALSE(CreateProcessA(nullptr, "\"/nonexistent/browser\" http://example.org/", &info));
  EXPECT_FALSE(CreateProcessA(nullptr, "kestrine-no-such-program-anywhere", &info));
  EXPECT_FALSE(CreateProcessA(nullptr, "", &info));
}

TEST(MessageBoxTest, ARecorderKeepsTheBoxesAndWithoutOneAndADisplayTheBoxGoesToStderr) {
  std::vector<MessageBoxRecord> boxes;
  SetMessageBoxRecorder([&](const MessageBoxRecord& box) { boxes.push_back(box); });
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(0, "Text", "Title", MB_ICONEXCLAMATION), IDOK);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  SetMessageBoxRecorder(nullptr);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Title");
  EXPECT_EQ(boxes[0].type, MB_ICONEXCLAMATION);
  // Without a display the box goes to stderr.
  testing::ScopedEnv engine("KESTRINE_ENGINE", "headless");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(MessageBox(0, "Error - Direct-X version too old. Please update.", "Vantor - Error", MB_ICONSTOP), IDOK);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Vantor - Error"), std::string::npos) << said;
  EXPECT_NE(said.find("Direct-X version too old"), std::string::npos) << said;
}

}  // namespace
}  // namespace kestrine
