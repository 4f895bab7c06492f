#pragma once
// The lessons of the 示例 menu: list files shipped with the program, each named
// "NN-题目.QVJ" (NN orders the menu, 题目 is its entry).
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {

struct Lesson {
  std::string title;
  std::filesystem::path file;
};

// The lesson files in `folder`, in the order of their names; none when there is no
// such folder.
std::vector<Lesson> lessonsIn(const std::filesystem::path& folder);

// Where the lessons of a program in `executableFolder` are: the copy beside a program
// run from its build folder, else the installed share/quorvel/examples.
std::filesystem::path lessonsFolder(const std::filesystem::path& executableFolder);

}  // namespace quorvel
