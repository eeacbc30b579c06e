// The movie queue: four entries at most, only files that exist, names that fit their entry, and the skip
// lock taken from each movie's flag as it comes up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "movie_fixture.h"

namespace kestrine::testing {
namespace {

class MovieQueueTest : public MovieTest {};

TEST_F(MovieQueueTest, AFifthMovieIsIgnoredAndEachMovieSetsTheSkipLockFromItsFlag) {
  for (const char* name : {"one", "two", "three", "four", "five"}) AddMovie(name, "video_only.avi");
  QueueMovie("one", 1);
  QueueMovie("two", 0);
  QueueMovie("three", -1);
  QueueMovie("four", 1);
  QueueMovie("five", 0);
  ASSERT_EQ(MovieQueue().movieCount, 4);
  EXPECT_EQ(MovieQueue().movieFlags[2], -1);

  char name[kMovieNameBytes];
  std::vector<std::string> given;
  std::vector<int> locks;
  while (NextMovie(name, sizeof name)) {
    given.push_back(name);
    locks.push_back(MovieQueue().movieSkipLock);
  }
  EXPECT_EQ(given, (std::vector<std::string>{"avi\\one.avi", "avi\\two.avi", "avi\\three.avi", "avi\\four.avi"}));
  EXPECT_EQ(locks, (std::vector<int>{1, 0, 0, 1}));
  EXPECT_EQ(MovieQueue().movieNextIndex, 4);
  // A small buffer gets what fits of the name, ended.
  RewindMovieQueue();
  char small[6];
  ASSERT_TRUE(NextMovie(small, sizeof small));
  EXPECT_STREQ(small, "avi\\o");
}

TEST_F(MovieQueueTest, AMissingFileIsNeverQueuedAndItsEntryGoesToTheNext) {
  AddMovie("here", "video_only.avi");
  AddMovie("Also", "video_only.avi");
  QueueMovie("gone", 1);
  EXPECT_EQ(MovieQueue().movieCount, 0);
  QueueMovie("here", 0);
  QueueMovie("missing", 1);
  QueueMovie("also", -1);  // found whatever the case of the file on disk
  ASSERT_EQ(MovieQueue().movieCount, 2);
  EXPECT_STREQ(MovieQueue().movieNames[0], "avi\\here.avi");
  EXPECT_EQ(MovieQueue().movieFlags[0], 0);
  EXPECT_STREQ(MovieQueue().movieNames[1], "avi\\also.avi");
  EXPECT_EQ(MovieQueue().movieFlags[1], -1);
}

TEST_F(MovieQueueTest, ANameTooLongForItsEntryIsNotQueued) {
  // "avi\" + name + ".avi" and its terminating zero fill 32 bytes with a 23-letter name.
  const std::string fits(23, 'a');
  const std::string tooLong(24, 'b');
  AddMovie(fits, "video_only.avi");
  AddMovie(tooLong, "video_only.avi");
  QueueMovie(tooLong.c_str(), 0);
  EXPECT_EQ(MovieQueue().movieCount, 0);
  QueueMovie(fits.c_str(), 0);
  ASSERT_EQ(MovieQueue().movieCount, 1);
  EXPECT_EQ(std::string(MovieQueue().movieNames[0]), "avi\\" + fits + ".avi");
  QueueMovie(nullptr, 0);
  EXPECT_EQ(MovieQueue().movieCount, 1);
}

}  // namespace
}  // namespace kestrine::testing
