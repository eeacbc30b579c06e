// Opening the browser on a page: the desktop's web-page opener is read from the registry's two keys, the
// first quoted piece of its command is the program, and a program that does not start is reported.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "shell/browser.h"

namespace kestrine {
namespace {

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetMessageBoxRecorder([this](const MessageBoxRecord& box) { boxes.push_back(box); });
    SetProcessLauncherOverride([this](const std::string& app, const std::string& line) {
      launches.emplace_back(app, line);
      return starts;
    });
  }
  void TearDown() override {
    SetMessageBoxRecorder(nullptr);
    SetProcessLauncherOverride(nullptr);
    SetDesktopWebOpenerOverride(std::nullopt);
  }
  std::vector<MessageBoxRecord> boxes;
  std::vector<std::pair<std::string, std::string>> launches;
  bool starts = true;
};

TEST_F(BrowserTest, TheRegisteredBrowserIsStartedOnTheUrl) {
  SetDesktopWebOpenerOverride(std::string("/opt/web tools/open"));
  EXPECT_TRUE(OpenUrlInBrowser("http://example.org/page.htm"));
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].first, "");
  // The opener's own "%1" is dropped; a path with a blank stays one word.
  EXPECT_EQ(launches[0].second, "\"/opt/web tools/open\" http://example.org/page.htm");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(BrowserTest, ABrowserThatDoesNotStartIsReportedInTwoBoxes) {
  SetDesktopWebOpenerOverride(std::string("/usr/bin/xdg-open"));
  starts = false;
  EXPECT_FALSE(OpenUrlInBrowser("http://example.org/"));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Process failed to create.");
  EXPECT_EQ(boxes[0].caption, "Error");
  EXPECT_EQ(boxes[1].text, "");
  EXPECT_EQ(boxes[1].caption, "\"/usr/bin/xdg-open\" http://example.org/");
  // Launched directly, the second box names the program.
  EXPECT_FALSE(LaunchProcess("/bin/browser", "browser page"));
  ASSERT_EQ(boxes.size(), 4u);
  EXPECT_EQ(boxes[3].text, "/bin/browser");
  EXPECT_EQ(boxes[3].caption, "browser page");
}

TEST_F(BrowserTest, ReadRegistryStringReadsTheTwoKeysOfTheWebPageOpener) {
  SetDesktopWebOpenerOverride(std::string("/usr/bin/xdg-open"));
  char type[260];
  std::memset(type, 'x', sizeof type);
  ASSERT_TRUE(ReadRegistryString("Software\\CLASSES\\.htm", "", type));
  ASSERT_TRUE(std::memchr(type, 0, sizeof type));
  const std::string key = std::string("Software\\CLASSES\\") + type + "\\shell\\open\\command";
  char command[260] = {};
  ASSERT_TRUE(ReadRegistryString(key.c_str(), "", command));
  EXPECT_STREQ(command, "\"/usr/bin/xdg-open\" \"%1\"");
  char other[260] = {};
  EXPECT_FALSE(ReadRegistryString("Software\\CLASSES\\.doc", "", other));
  EXPECT_FALSE(ReadRegistryString("Software\\CLASSES\\.htm", "Content Type", other));
}

TEST_F(BrowserTest, NoBrowserRegisteredOrAPathTooLongForTheBufferStartsNothingAndShowsNothing) {
  for (const std::string& opener : {std::string(), "/" + std::string(300, 'a')}) {
    SetDesktopWebOpenerOverride(opener);
    EXPECT_FALSE(OpenUrlInBrowser("http://example.org/"));
  }
  EXPECT_TRUE(launches.empty());
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
}  // namespace kestrine
