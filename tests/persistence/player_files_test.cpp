// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's files over every state of the folders that can make a difference, on the
// real file system with real permissions: each cell builds its folders, runs one action
// through the game's own code and checks that nothing was destroyed, where the score or
// the saved game went, what the player was told and which folders are left.

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
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

std::string Table(const std::string& name) {
  std::string bytes;
  for (int score = 900; score > 400; score -= 100)
    bytes += name + "\r\n000" + std::to_string(score) + "\r\nd\r\n";
  return bytes;
}

// Every entry below root: "d" a folder, "l" + target a link, mode and bytes of a file.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    const fs::path& path = it->path();
    struct stat st {};
    lstat(path.c_str(), &st);
    std::string& entry = entries[path.string()];
    if (S_ISLNK(st.st_mode)) {
      entry = "l" + fs::read_symlink(path).string();
    } else if (S_ISDIR(st.st_mode)) {
      entry = "d" + std::to_string(st.st_mode & 0777);
    } else {
      chmod(path.c_str(), 0600);  // an unreadable file is read as its owner may
      std::ifstream file(path, std::ios::binary);
      entry =
          std::to_string(st.st_mode & 0777) + std::string(std::istreambuf_iterator<char>(file), {});
      chmod(path.c_str(), st.st_mode & 0777);
    }
  }
  return entries;
}

class PlayerFiles : public GameTest {
 protected:
  // One cell: the folder states, and what each leaves in the saved-games and table places.
  struct Cell {
    bool writable;
    std::string beside, user, own, saves, action;
  };
  std::vector<std::string> failures;
  fs::path cell, data;
  std::map<std::string, std::string> before;

  void Check(bool ok, const std::string& what, const Cell& c) {
    if (!ok)
      failures.push_back(c.action + " | program " + (c.writable ? "writable" : "read-only") +
                         ", beside " + c.beside + ", user folder " + c.user + ", own table " +
                         c.own + ", saves " + c.saves + ": " + what);
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
    try {
      GameOver();
    } catch (const ProgramEnded&) {
    }
  }

  void Build(const Cell& c, int n) {
    cell = folder / ("c" + std::to_string(n));
    data = c.writable ? cell / "prog" : cell / "xdg/marlquin";
    fs::create_directories(cell / "prog");
    fs::create_directories(cell / "elsewhere");
    fs::create_directories(cell / "xdg");
    fs::current_path(cell);
    Put(cell / "prog/Bubble.rec", c.beside);
    Put(cell / "xdg/marlquin", c.user);
    Put(cell / "xdg/marlquin/Bubble.rec", c.own);
    const std::string game = EncodeSavedGame();
    for (const std::string name : {"save", "Save"}) {
      if (c.saves.starts_with(name + "/") || c.saves.ends_with(name + "/")) {
        fs::create_directory(data / name);
        std::ofstream(data / name / "old.sv", std::ios::binary) << game;
      }
    }
    if (c.saves.starts_with("file")) Put(data / "save", "file");
    if (c.saves == "dangling") Put(data / "save", "dangling");
    if (c.user == "read-only")
      fs::permissions(cell / "xdg/marlquin", fs::perms::owner_read | fs::perms::owner_exec);
    if (!c.writable) fs::permissions(cell / "prog", fs::perms::owner_read | fs::perms::owner_exec);
    fake = {};
    fake.programFolder = (cell / "prog").string();
    fake.environment = {{"XDG_DATA_HOME", (cell / "xdg").string()},
                        {"HOME", (cell / "home").string()}};
    before = Snapshot(cell);
  }

  // The table's place refuses when the per-user folder cannot be made or written; what
  // stands there is set aside when it cannot be rewritten whole.
  void TableCell(const Cell& c) {
    const bool refused = !c.writable && (c.user == "file" || c.user == "read-only");
    const std::string ownKind = c.writable ? c.beside : c.own;
    const bool aside = !refused && ownKind != "missing" && ownKind != "good";
    const fs::path own = data / "Bubble.rec";
    const Rows shown = Shown();
    Rows expected = shown;
    for (auto& row : expected)
      for (auto& field : row) field = field.substr(0, 256);
    GameOverWith(4200, "Ann");
    const std::vector<ShownMessage> told = fake.messages;
    expected.insert(expected.begin(), {"Ann", "004200", "05/12/2026"});
    if (c.action == "two game overs") {
      ResetHighScores();
      fake.messages.clear();
      GameOverWith(3000, "Bo");
      expected.insert(expected.begin() + 1, {"Bo", "003000", "05/12/2026"});
      Check(fake.messages.size() == 1u + refused, "told again at the second game over", c);
    }
    expected.resize(5);
    Check(fake.inputPrompts.size() == (c.action == "game over" ? 1u : 2u), "the name was not asked",
          c);
    const auto after = Snapshot(cell);
    std::string asidePath;
    for (const auto& [path, entry] : after) {
      if (path.starts_with(own.string() + ".set-aside-")) asidePath = path;
      if (before.contains(path) || path == own.string() || path == asidePath ||
          path == data.string())
        continue;
      Check(false, "new entry " + path, c);
    }
    for (const auto& [path, entry] : before) {
      if (path == own.string() && aside) {
        Check(after.contains(asidePath) && after.at(asidePath) == entry,
              "the table was not set aside whole", c);
      } else if (path != own.string() || ownKind != "good" || refused) {
        Check(after.contains(path) && after.at(path) == entry, "changed or lost: " + path, c);
      }
    }
    const std::string second = told.size() > 1 ? told[1].text : "";
    Check(told.size() == 1u + (aside || refused),
          "told " + std::to_string(told.size() - 1) + " times: " + second, c);
    Check(!aside || second.find(asidePath) != std::string::npos,
          "not told where the table went: " + second, c);
    Check(!refused || second.find(data.string()) != std::string::npos,
          "not told which file: " + second, c);
    Check(Shown() == (refused ? shown : expected), "the next run shows another table", c);
  }

  void SaveCell(const Cell& c) {
    const std::map<std::string, std::string> found = {
        {"missing", "save"}, {"save/", "save"}, {"Save/", "Save"}, {"file save + Save/", "Save"}};
    const bool none = !found.contains(c.saves);
    const bool cannotMake =
        !c.writable && (c.user == "file" || (c.user == "read-only" && c.saves == "missing"));
    const fs::path proposed = cannotMake ? fs::path(Name)
                              : none     ? data / Name
                                         : data / found.at(c.saves) / Name;
    const fs::path folderOf = fs::absolute(proposed).parent_path();
    std::map<std::string, fs::path> answers = {
        {"save proposed", proposed},
        {"save elsewhere", cell / "elsewhere/mine.sv"},
        {"save above", folderOf.parent_path() / "parent.sv"}};
    const bool save = answers.contains(c.action);
    const fs::path chosen = save ? fs::absolute(answers[c.action]) : fs::path();
    if (save) fake.fileAnswers = {answers[c.action].string()};
    const fs::path load = data / (none ? "save" : found.at(c.saves)) / "old.sv";
    if (c.action == "load") fake.fileAnswers = {load.string()};
    const std::string game = EncodeSavedGame();
    if (c.action == "load") Board.fill(0);
    const bool loaded = c.action == "load" ? LoadGame() : (SaveGame(), false);
    const bool warned = none || cannotMake;
    if (c.action != "load") {
      Check(fake.fileDialogs.size() == 1 && fake.fileDialogs[0].initialPath == proposed.string(),
            "proposed " + (fake.fileDialogs.empty() ? "nothing" : fake.fileDialogs[0].initialPath),
            c);
    } else {
      Check(loaded == before.contains(load.string()) && (!loaded || EncodeSavedGame() == game),
            "not loaded", c);
    }
    const bool refused =
        save && access(chosen.parent_path().c_str(), W_OK) != 0 && fs::exists(chosen.parent_path());
    const bool written = save && !refused;
    const auto after = Snapshot(cell);
    for (const auto& [path, entry] : before)
      Check(after.contains(path) && after.at(path) == entry, "changed or lost: " + path, c);
    for (const auto& [path, entry] : after) {
      const bool holdsTheGame =
          written && (path == chosen.string() || chosen.string().starts_with(path + "/"));
      Check(before.contains(path) || holdsTheGame, "left behind: " + path, c);
    }
    Check(
        !written || (after.contains(chosen.string()) && after.at(chosen.string()).ends_with(game)),
        "not written: " + chosen.string(), c);
    const size_t boxes = c.action == "load" ? !loaded : warned + save;
    Check(fake.messages.size() == boxes, "told " + std::to_string(fake.messages.size()) + " times",
          c);
    if (save && !fake.messages.empty()) {
      const std::string& last = fake.messages.back().text;
      Check(last.find(answers[c.action].string()) != std::string::npos &&
                (last.starts_with("Game has been saved") == written),
            "told " + last, c);
    }
  }
};

// Runs body as an unprivileged user when this process is root; its failures come back
// through a pipe.
std::vector<std::string> Unprivileged(const std::function<std::vector<std::string>()>& body,
                                      const fs::path& folder) {
  if (geteuid() != 0) return body();
  int pipe[2];
  ::pipe(pipe);
  chown(folder.c_str(), Nobody, Nobody);
  const pid_t child = fork();
  if (child == 0) {
    std::string out;
    if (setgroups(0, nullptr) != 0 || setresgid(Nobody, Nobody, Nobody) != 0 ||
        setresuid(Nobody, Nobody, Nobody) != 0) {
      out = "could not become an unprivileged user";
    } else {
      for (const std::string& failure : body()) out += failure + '\n';
    }
    write(pipe[1], out.data(), out.size());
    _exit(0);
  }
  close(pipe[1]);
  std::string out;
  char buffer[4096];
  for (ssize_t n; (n = read(pipe[0], buffer, sizeof buffer)) > 0;) out.append(buffer, n);
  close(pipe[0]);
  int status = 0;
  waitpid(child, &status, 0);
  std::vector<std::string> failures;
  if (!WIFEXITED(status)) failures.push_back("the matrix crashed");
  for (size_t start = 0, end; (end = out.find('\n', start)) != std::string::npos; start = end + 1)
    failures.push_back(out.substr(start, end - start));
  return failures;
}

TEST_F(PlayerFiles, EveryFolderStateKeepsEveryFileAndEveryScoreOrSaysWhy) {
  const std::vector<std::string> tables = {"missing", "good",   "unreadable",
                                           "long",    "folder", "dangling"};
  const std::vector<std::string> saves = {"missing",           "save/",   "Save/", "file save",
                                          "file save + Save/", "dangling"};
  std::vector<Cell> cells;
  for (bool writable : {true, false}) {
    for (const std::string& user :
         writable ? std::vector<std::string>{"missing"}
                  : std::vector<std::string>{"missing", "file", "present", "read-only"}) {
      const bool hasUserFolder = user == "present" || user == "read-only";
      // The table beside the program, then the player's own when it has a folder.
      for (const std::string& beside : std::vector(tables.begin(), tables.end() - 1)) {
        for (const std::string& own :
             hasUserFolder ? tables : std::vector<std::string>{"missing"}) {
          for (const char* action : {"game over", "two game overs"})
            cells.push_back({writable, beside, user, own, "missing", action});
        }
      }
      for (const std::string& entry :
           writable || hasUserFolder ? saves : std::vector<std::string>{"missing"}) {
        for (const std::string action :
             {"save proposed", "save above", "save elsewhere", "save cancelled", "load"}) {
          // Above the working folder that is proposed when no folder can be made is no place of the
          // game's.
          if (action == "save above" &&
              (user == "file" || (user == "read-only" && entry == "missing")))
            continue;
          cells.push_back({writable, "good", user, "missing", entry, action});
        }
      }
    }
  }
  const fs::path start = fs::current_path();
  const std::vector<std::string> found = Unprivileged(
      [&] {
        for (size_t n = 0; n < cells.size(); ++n) {
          Board[0] = 3;  // a game to save and load
          BallCount = 5;
          Score = 1234;
          Build(cells[n], static_cast<int>(n));
          if (cells[n].action.find("game over") != std::string::npos) {
            TableCell(cells[n]);
          } else {
            SaveCell(cells[n]);
          }
        }
        return failures;
      },
      folder);
  fs::current_path(start);
  std::cout << cells.size() << " cells\n";
  for (const std::string& failure : found) ADD_FAILURE() << failure;
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
