// The movie queue: four entries at most, only files that exist, names that fit their entry, and the skip
// lock taken from each movie's flag as it comes up.
#include <gtest/gtest.h>

#include <string>

#include "movie_fixture.h"

namespace kestrine::testing {
namespace {

class MovieQueueTest : public MovieTest {};

TEST_F(MovieQueueTest, AFifthMovieIsIgnored) {
  for (const char* name : {"one", "two", "three", "four", "five"}) AddMovie(name, "video_only.avi");
  QueueMovie("one", 1);
  QueueMovie("two", 1);
  QueueMovie("three", 0);
  QueueMovie("four", -1);
  QueueMovie("five", 0);
  ASSERT_EQ(movieCount, 4);
  EXPECT_STREQ(movieNames[0], "avi\\one.avi");
  EXPECT_STREQ(movieNames[3], "avi\\four.avi");
  EXPECT_EQ(movieFlags[3], -1);

  char name[kMovieNameBytes];
  std::vector<std::string> given;
  while (NextMovie(name, sizeof name)) given.push_back(name);
  EXPECT_EQ(given, (std::vector<std::string>{"avi\\one.avi", "avi\\two.avi", "avi\\three.avi", "avi\\four.avi"}));
}

TEST_F(MovieQueueTest, AMissingFileIsNeverQueuedAndItsEntryGoesToTheNext) {
  AddMovie("here", "video_only.avi");
  AddMovie("Also", "video_only.avi");
  QueueMovie("gone", 1);
  EXPECT_EQ(movieCount, 0);
  QueueMovie("here", 0);
  QueueMovie("missing", 1);
  QueueMovie("also", -1);  // found whatever the case of the file on disk
  ASSERT_EQ(movieCount, 2);
  EXPECT_STREQ(movieNames[0], "avi\\here.avi");
  EXPECT_EQ(movieFlags[0], 0);
  EXPECT_STREQ(movieNames[1], "avi\\also.avi");
  EXPECT_EQ(movieFlags[1], -1);
}

TEST_F(MovieQueueTest, ANameTooLongForItsEntryIsNotQueued) {
  // "avi\" + name + ".avi" and its terminating zero fill 32 bytes with a 23-letter name.
  const std::string fits(23, 'a');
  const std::string tooLong(24, 'b');
  AddMovie(fits, "video_only.avi");
  AddMovie(tooLong, "video_only.avi");
  QueueMovie(tooLong.c_str(), 0);
  EXPECT_EQ(movieCount, 0);
  QueueMovie(fits.c_str(), 0);
  ASSERT_EQ(movieCount, 1);
  EXPECT_EQ(std::string(movieNames[0]), "avi\\" + fits + ".avi");
  QueueMovie(nullptr, 0);
  EXPECT_EQ(movieCount, 1);
}

TEST_F(MovieQueueTest, EachMovieSetsTheSkipLockFromItsFlag) {
  AddMovie("logo", "video_only.avi");
  AddMovie("intro", "video_only.avi");
  AddMovie("ending", "video_only.avi");
  QueueMovie("logo", 1);
  QueueMovie("intro", 0);
  QueueMovie("ending", -1);
  char name[kMovieNameBytes];
  ASSERT_TRUE(NextMovie(name, sizeof name));
  EXPECT_EQ(movieSkipLock, 1);
  ASSERT_TRUE(NextMovie(name, sizeof name));
  EXPECT_EQ(movieSkipLock, 0);
  ASSERT_TRUE(NextMovie(name, sizeof name));
  EXPECT_EQ(movieSkipLock, 0);
  EXPECT_FALSE(NextMovie(name, sizeof name));
  EXPECT_EQ(movieNextIndex, 3);
  // A small buffer gets what fits of the name, ended.
  movieNextIndex = 0;
  char small[6];
  ASSERT_TRUE(NextMovie(small, sizeof small));
  EXPECT_STREQ(small, "avi\\l");
}

}  // namespace
}  // namespace kestrine::testing
