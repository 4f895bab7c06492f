// Two running copies in one program folder: each keeps its own working list, a copy
// that crashed gives its folder back, and leftovers of crashed copies are removed.
#include "settings/working_folder.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>

#include "catalogue/func_record.h"
#include "shell_fixture.h"

namespace quorvel::test {
namespace {

namespace fs = std::filesystem;

class WorkingFolderTest : public ::testing::Test {
 protected:
  ~WorkingFolderTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  fs::path running() const { return folder / WorkingFolder::kRunningFolder; }
  fs::path folder = makeTempFolder();
};

TEST_F(WorkingFolderTest, FirstCopyWorksInProgramFolderLaterOnesInTheirOwn) {
  const std::string pid = std::to_string(::getpid());
  auto first = std::make_unique<WorkingFolder>(folder);
  auto second = std::make_unique<WorkingFolder>(folder);
  auto third = std::make_unique<WorkingFolder>(folder);
  EXPECT_TRUE(first->inProgramFolder());
  EXPECT_EQ(first->path(), folder);
  EXPECT_FALSE(second->inProgramFolder());
  EXPECT_EQ(second->path(), running() / pid);
  EXPECT_EQ(third->path(), running() / (pid + "-1"));
  EXPECT_TRUE(fs::is_directory(second->path()));

  second.reset();
  EXPECT_FALSE(fs::exists(running() / pid));
  EXPECT_TRUE(fs::exists(running() / (pid + "-1")));
  third.reset();
  EXPECT_FALSE(fs::exists(running())) << "the last copy removes the empty running folder";

  // The program folder's lock goes with its holder: the next copy takes it.
  first.reset();
  WorkingFolder next(folder);
  EXPECT_TRUE(next.inProgramFolder());
}

TEST_F(WorkingFolderTest, TwoProgramsKeepTheirOwnLists) {
  RecordingSurface surfaceA(500, 500, 1), surfaceB(500, 500, 1);
  ScriptedServices kitA(folder), kitB(folder);
  Program a(surfaceA, kitA.take());
  auto b = std::make_unique<Program>(surfaceB, kitB.take());
  a.panel.Form_Load();
  b->panel.Form_Load();
  EXPECT_EQ(a.listPath(), folder / "Funclist.dat");
  EXPECT_EQ(b->listPath().filename(), "Funclist.dat");
  EXPECT_NE(b->listPath().parent_path(), folder);
  EXPECT_EQ(b->folder(), folder) << "the settings stay in the program folder";

  const auto draw = [](Program& p, const std::string& k) {
    p.panel.cboFuncName.setListIndex(2);
    p.panel.txtParameter[1].setText(k);
    p.panel.cmdDraw_Click();
  };
  draw(a, "6");
  draw(*b, "3");
  draw(*b, "4");
  EXPECT_EQ(fs::file_size(a.listPath()), static_cast<std::uintmax_t>(kRecordSize));
  EXPECT_EQ(fs::file_size(b->listPath()), static_cast<std::uintmax_t>(kSlotSize + kRecordSize));

  // Deleting and clearing in the second copy leave the first copy's list alone.
  b->panel.lstExist.setListIndex(0);
  b->panel.cmdDelete_Click();
  EXPECT_EQ(fs::file_size(b->listPath()), static_cast<std::uintmax_t>(kRecordSize));
  b->panel.cmdClear_Click();
  EXPECT_FALSE(fs::exists(b->listPath()));
  EXPECT_EQ(fs::file_size(a.listPath()), static_cast<std::uintmax_t>(kRecordSize));

  const fs::path ownFolder = b->listPath().parent_path();
  b.reset();
  EXPECT_FALSE(fs::exists(ownFolder));
  EXPECT_EQ(fs::file_size(a.listPath()), static_cast<std::uintmax_t>(kRecordSize));
  EXPECT_EQ(a.panel.lstExist.ListCount(), 1);
}

// Runs `body` in a child process that then ends without any clean-up, as a crash
// would; returns after the child is gone. The child reports through its exit code.
template <typename Body>
int crashingChild(Body body) {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(body());
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(WorkingFolderTest, CrashedCopyGivesTheProgramFolderBack) {
  const int childResult = crashingChild([this] {
    auto* held = new WorkingFolder(folder);  // never released: the process just ends
    std::ofstream(held->path() / "Funclist.dat") << "stale";
    return held->inProgramFolder() ? 0 : 1;
  });
  ASSERT_EQ(childResult, 0);
  EXPECT_TRUE(fs::exists(folder / "Funclist.dat"));
  WorkingFolder next(folder);
  EXPECT_TRUE(next.inProgramFolder()) << "the lock died with the crashed copy";
}

TEST_F(WorkingFolderTest, ProgramFolderHeldByAnotherProcessSendsThisCopyAside) {
  int toChild[2], toParent[2];
  ASSERT_EQ(::pipe(toChild), 0);
  ASSERT_EQ(::pipe(toParent), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    auto* held = new WorkingFolder(folder);
    char c = held->inProgramFolder() ? 'y' : 'n';
    if (::write(toParent[1], &c, 1) != 1) ::_exit(2);
    if (::read(toChild[0], &c, 1) != 1) ::_exit(3);
    ::_exit(0);
  }
  char answer = 0;
  ASSERT_EQ(::read(toParent[0], &answer, 1), 1);
  EXPECT_EQ(answer, 'y');
  {
    WorkingFolder aside(folder);
    EXPECT_FALSE(aside.inProgramFolder());
    EXPECT_EQ(aside.path(), running() / std::to_string(::getpid()));
  }
  const char go = 'g';
  EXPECT_EQ(::write(toChild[1], &go, 1), 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  for (int fd : {toChild[0], toChild[1], toParent[0], toParent[1]}) ::close(fd);
  WorkingFolder after(folder);
  EXPECT_TRUE(after.inProgramFolder());
}

TEST_F(WorkingFolderTest, FolderOfACrashedSecondCopyIsRemovedAtNextStart) {
  auto first = std::make_unique<WorkingFolder>(folder);
  const int childResult = crashingChild([this] {
    auto* held = new WorkingFolder(folder);
    std::ofstream(held->path() / "Funclist.dat") << "stale";
    return held->inProgramFolder() ? 1 : 0;
  });
  ASSERT_EQ(childResult, 0);
  ASSERT_TRUE(fs::exists(running()));
  std::size_t leftovers = 0;
  for (const auto& entry : fs::directory_iterator(running())) {
    ++leftovers;
    EXPECT_TRUE(fs::exists(entry.path() / "Funclist.dat"));
  }
  EXPECT_EQ(leftovers, 1u);
  // The next copy that takes the program folder clears the leftover.
  first.reset();
  WorkingFolder next(folder);
  EXPECT_TRUE(next.inProgramFolder());
  EXPECT_FALSE(fs::exists(running()));
}

}  // namespace
}  // namespace quorvel::test
