// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files over every state of the folders that can make a difference, on the
// real file system with real permissions: each cell builds its folders, runs one action
// through the game's own code and checks that nothing was destroyed, where the score or
// the saved game went, what the player was told and which folders are left.

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <map>

#include "core/Progress.h"
#include "persistence/SavedGame.h"
#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

namespace fs = std::filesystem;
using Rows = std::vector<std::array<std::string, 3>>;

constexpr uid_t Nobody = 65534;  // root would read and write whatever the modes say
const std::string Name = "26-12-05.sv";

std::string Table(const std::string& name) {  // five entries, scores 900 down to 500
  std::string bytes;
  for (char rank = '9'; rank > '4'; --rank) bytes += name + "\r\n000" + rank + "00\r\nd\r\n";
  return bytes;
}

class PlayerFiles : public GameTest {
 protected:
  // Program folder, table beside it, per-user folder, own table, saves entry, action.
  struct Cell {
    std::string program, beside, user, own, saves, action;
  };
  std::vector<std::string> failures;
  std::string where;
  fs::path cell, data;
  std::map<std::string, std::string> before;

  // Every entry of the cell: its mode, a link's target, a file's bytes.
  std::map<std::string, std::string> Snapshot(const fs::path& root) const {
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(root)) {
      const fs::perms mode = e.symlink_status().permissions();
      std::string& seen = entries[e.path().string()] = std::to_string(static_cast<int>(mode));
      if (e.is_symlink()) seen += fs::read_symlink(e).string();
      if (e.is_symlink() || !e.is_regular_file()) continue;
      fs::permissions(e, fs::perms::owner_read, fs::perm_options::add);  // as its owner may
      seen += FileText(e.path().string());
      fs::permissions(e, mode);
    }
    return entries;
  }
  void Check(bool ok, const std::string& what) {
    if (!ok) failures.push_back(where + ": " + what);
  }
  static void Put(const fs::path& at, const std::string& kind) {
    if (kind == "folder" || kind == "present" || kind == "read-only") fs::create_directory(at);
    if (kind == "dangling") fs::create_symlink("nowhere", at);
    if (kind == "file") std::ofstream(at) << "not a folder";
    if (kind == "good" || kind == "unreadable") std::ofstream(at, std::ios::binary) << Table("Cy");
    if (kind == "long") std::ofstream(at, std::ios::binary) << Table(std::string(1000, 'L'));
    if (kind == "unreadable") fs::permissions(at, fs::perms::none);
  }
  static Rows Shown() {
    ResetHighScores();
    LoadHighScores();
    return {HighScores.begin(), HighScores.begin() + 5};
  }
  void GameOverWith(int32_t score, const std::string& name) {
    Score = score;
    fake.inputAnswers = {name};
    EXPECT_THROW(GameOver(), ProgramEnded);
  }
  // Entries of the cell that are new or differ from before, apart from those allowed.
  void OnlyChanged(const std::function<bool(const std::string&)>& allowed) {
    const auto after = Snapshot(cell);
    for (const auto& [path, entry] : after)
      Check(allowed(path) || (before.contains(path) && before.at(path) == entry), "new " + path);
    for (const auto& [path, entry] : before)
      Check(after.contains(path) || allowed(path), "lost " + path);
  }

  void Build(const Cell& c, int n) {
    where = c.program + " program / beside " + c.beside + " / user folder " + c.user + " / own " +
            c.own + " / saves " + c.saves + " / " + c.action;
    cell = folder / ("c" + std::to_string(n));
    data = c.program == "writable" ? cell / "prog" : cell / "xdg/marlquin";
    for (const char* made : {"prog", "elsewhere", "xdg"}) fs::create_directories(cell / made);
    fs::current_path(cell);
    Put(cell / "prog/Bubble.rec", c.beside);
    Put(cell / "xdg/marlquin", c.user);
    Put(cell / "xdg/marlquin/Bubble.rec", c.own);
    for (const std::string name : {"save", "Save"}) {
      if (c.saves.starts_with(name + "/") || c.saves.ends_with(name + "/")) {
        fs::create_directory(data / name);
        std::ofstream(data / name / "old.sv", std::ios::binary) << EncodeSavedGame();
      }
    }
    if (c.saves.starts_with("file")) Put(data / "save", "file");
    if (c.saves == "dangling") Put(data / "save", "dangling");
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    if (c.user == "read-only") fs::permissions(cell / "xdg/marlquin", readOnly);
    if (c.program == "read-only") fs::permissions(cell / "prog", readOnly);
    fake = {};
    fake.programFolder = (cell / "prog").string();
    fake.environment = {{"XDG_DATA_HOME", (cell / "xdg").string()}};
    before = Snapshot(cell);
  }

  // The table's place refuses when the per-user folder cannot be made or written; what
  // stands there is set aside when it cannot be rewritten whole; all else stays as it was.
  void TableCell(const Cell& c) {
    const bool refused = c.program == "read-only" && (c.user == "file" || c.user == "read-only");
    const std::string ownKind = c.program == "writable" ? c.beside : c.own;
    const bool aside = !refused && ownKind != "missing" && ownKind != "good";
    const std::string own = (data / "Bubble.rec").string();
    const Rows shown = Shown();
    Rows expected = shown;
    for (auto& row : expected)
      for (auto& field : row) field = field.substr(0, 256);
    expected.insert(expected.begin(), {"Ann", "004200", "05/12/2026"});
    GameOverWith(4200, "Ann");
    const std::vector<ShownMessage> told = fake.messages;
    if (c.action == "two game overs") {  // the next run: told only where it still fails
      fake.messages.clear();
      GameOverWith(3000, "Bo");
      expected.insert(expected.begin() + 1, {"Bo", "003000", "05/12/2026"});
      Check(fake.messages.size() == 1u + refused, "told again at the second game over");
    }
    expected.resize(5);
    std::string asidePath = "(none)";
    for (const auto& [path, entry] : Snapshot(cell))
      if (path.starts_with(own + ".set-aside-")) asidePath = path;
    Check(!aside || Snapshot(cell)[asidePath] == before[own], "the table was not set aside whole");
    OnlyChanged([&](const std::string& path) {
      return path == asidePath || path == data.string() || (path == own && !refused);
    });
    const std::string second = told.size() > 1 ? told[1].text : "";
    Check(told.size() == 1u + (aside || refused) &&
              (!aside || second.find(asidePath) != std::string::npos) &&
              (!refused || second.find(data.string()) != std::string::npos),
          "told " + std::to_string(told.size()) + " boxes, not naming the file: " + second);
    Check(Shown() == (refused ? shown : expected), "the next run shows another table");
  }

  // Saves go into the saved-games folder found whatever else carries its name, or into the
  // data folder when that name is taken; only folders that receive the file are left.
  void SaveCell(const Cell& c) {
    const std::map<std::string, std::string> found = {
        {"missing", "save"}, {"save/", "save"}, {"Save/", "Save"}, {"file save + Save/", "Save"}};
    const bool none = !found.contains(c.saves);
    const bool cannotMake = c.program == "read-only" &&
                            (c.user == "file" || (c.user == "read-only" && c.saves == "missing"));
    const fs::path proposed =
        cannotMake ? fs::path(Name) : data / (none ? "" : found.at(c.saves)) / Name;
    std::map<std::string, std::string> answers = {
        {"save proposed", proposed},
        {"save elsewhere", cell / "elsewhere/mine.sv"},
        {"save above", fs::absolute(proposed).parent_path().parent_path() / "parent.sv"},
        {"load", data / (none ? "save" : found.at(c.saves)) / "old.sv"}};
    const std::string answer = answers[c.action],
                      chosen = answer.empty() ? "" : fs::absolute(answer).string();
    if (!answer.empty()) fake.fileAnswers = {answer};
    const std::string game = EncodeSavedGame();
    const bool save = c.action != "load", asked = save && !answer.empty();
    if (save) {
      SaveGame();
      Check(fake.fileDialogs.size() == 1 && fake.fileDialogs[0].initialPath == proposed.string(),
            "proposed another place");
    } else {
      Board.fill(0);  // so that only a load brings the game back
      const bool there = before.contains(chosen);
      Check(LoadGame() == there && (EncodeSavedGame() == game) == there, "not loaded");
    }
    const fs::path folderOf = fs::path(chosen).parent_path();
    const bool written = asked && !(fs::exists(folderOf) && access(folderOf.c_str(), W_OK) != 0);
    OnlyChanged([&](const std::string& path) {
      return written && (path == chosen || chosen.starts_with(path + "/"));
    });
    Check(!written || Snapshot(cell)[chosen].ends_with(game), "not written: " + chosen);
    const size_t boxes = save ? (none || cannotMake) + asked : !before.contains(chosen);
    Check(fake.messages.size() == boxes, "told " + std::to_string(fake.messages.size()) + " boxes");
    const std::string last = fake.messages.empty() ? "" : fake.messages.back().text;
    Check(!asked || (last.find(answer) != std::string::npos &&
                     last.starts_with("Game has been saved") == written),
          "told " + last);
  }
};

TEST_F(PlayerFiles, EveryFolderStateKeepsEveryFileAndEveryScoreOrSaysWhy) {
  const std::vector<std::string> tables = {"missing", "good",   "unreadable",
                                           "long",    "folder", "dangling"};
  const std::vector<std::string> saves = {"missing",           "save/",   "Save/", "file save",
                                          "file save + Save/", "dangling"};
  using Kinds = std::vector<std::string>;
  std::vector<Cell> cells;
  for (const std::string program : {"writable", "read-only"}) {
    // The per-user folder and the player's own table count only where the program's cannot be
    // written.
    for (const std::string& user : program == "writable"
                                       ? Kinds{"missing"}
                                       : Kinds{"missing", "file", "present", "read-only"}) {
      const bool hasFolder = user == "present" || user == "read-only";
      for (const std::string& beside : Kinds(tables.begin(), tables.end() - 1)) {
        for (const std::string& own : hasFolder ? tables : Kinds{"missing"}) {
          for (const char* action : {"game over", "two game overs"})
            cells.push_back({program, beside, user, own, "missing", action});
        }
      }
      // Saves do not read the table; above the working folder, proposed when no folder can be made,
      // is no place of the game's.
      for (const std::string& entry :
           program == "writable" || hasFolder ? saves : Kinds{"missing"}) {
        for (const std::string action :
             {"save proposed", "save above", "save elsewhere", "save cancelled", "load"}) {
          if (action != "save above" ||
              !(user == "file" || (user == "read-only" && entry == "missing")))
            cells.push_back({program, "good", user, "missing", entry, action});
        }
      }
    }
  }
  // Root reads and writes whatever the modes say: as root the cells run in a child as nobody,
  // which lists the failures on standard error and exits with whether there were any.
  const bool root = geteuid() == 0;
  ASSERT_TRUE(!root || chown(folder.c_str(), Nobody, Nobody) == 0);
  const fs::path start = fs::current_path();
  const pid_t child = root ? fork() : 0;
  if (child == 0) {
    if (root && (setgroups(0, nullptr) != 0 || setresgid(Nobody, Nobody, Nobody) != 0 ||
                 setresuid(Nobody, Nobody, Nobody) != 0))
      _exit(2);
    for (size_t n = 0; n < cells.size(); ++n) {
      Board[0] = 3, BallCount = 5, Score = 1234;  // a game to save and load
      Build(cells[n], static_cast<int>(n));
      cells[n].action.find("game") == std::string::npos ? SaveCell(cells[n]) : TableCell(cells[n]);
    }
    for (const std::string& failure : failures) std::cerr << failure << "\n";
    if (root) _exit(failures.empty() ? 0 : 1);
  }
  int status = 0;
  if (root) waitpid(child, &status, 0);
  fs::current_path(start);
  std::cout << cells.size() << " cells\n";
  EXPECT_TRUE(status == 0 && failures.empty())
      << "the failing cells are listed above, of " << cells.size();
}

// One table write and one save over existing files, for tests/persistence/inject.sh, which
// fails their system calls: it prints what the player was told.
TEST_F(PlayerFiles, OneTableWriteAndOneSave) {
  const char* dir = std::getenv("MARLQUIN_INJECT_DIR");
  if (dir == nullptr) GTEST_SKIP() << "run by inject.sh";
  fake.programFolder = dir;
  GameOverWith(4200, "Ann");
  fake.fileAnswers = {std::string(dir) + "/save/old.sv"};
  SaveGame();
  for (const ShownMessage& told : fake.messages) std::cout << "told: " << told.text << "\n";
}

}  // namespace
}  // namespace marlquin::test
