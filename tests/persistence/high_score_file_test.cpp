// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <fstream>

#include "tests/support/GameTest.h"

namespace marlquin::test {
namespace {

class HighScoreFile : public GameTest {
 protected:
  void WriteRec(const std::string& bytes) {
    std::ofstream(InFolder("Bubble.rec"), std::ios::binary) << bytes;
  }
  static void FillTable(const std::string& text) {
    for (auto& row : HighScores) row = {text, text, text};
  }
};

TEST_F(HighScoreFile, TableIsSavedAsFifteenCrLfLinesAndReadsBackAsStored) {
  HighScores[0] = {"", "000000", "05/12/2026"};
  HighScores[1] = {"Bo", "1234567", "x"};
  HighScores[5] = {"spare", "999999", "never saved"};
  ASSERT_EQ(SaveHighScores(), std::nullopt);
  std::string expected = "\r\n000000\r\n05/12/2026\r\nBo\r\n1234567\r\nx\r\n";
  for (int line = 7; line <= 15; ++line) expected += "\r\n";
  EXPECT_EQ(FileText("Bubble.rec"), expected);

  const auto saved = HighScores;
  FillTable("old");
  LoadHighScores();
  for (int row = 0; row < 5; ++row) EXPECT_EQ(HighScores[row], saved[row]) << row;
}

TEST_F(HighScoreFile, ShortFileFillsFieldsInOrderAndLeavesTheRestUntilAFullFileIsRead) {
  FillTable("old");
  std::string tenLines;
  for (int line = 1; line <= 10; ++line) tenLines += "L" + std::to_string(line) + "\r\n";
  WriteRec(tenLines);
  LoadHighScores();
  EXPECT_EQ(HighScores[2][2], "L9");
  EXPECT_EQ(HighScores[3][0], "L10");
  EXPECT_EQ(HighScores[3][1], "old");
  EXPECT_EQ(HighScores[4][2], "old");

  ASSERT_EQ(SaveHighScores(), std::nullopt);
  std::string full = FileText("Bubble.rec");
  EXPECT_EQ(full, tenLines + "old\r\nold\r\nold\r\nold\r\nold\r\n");
  full.replace(full.size() - 5, 3, "new");
  WriteRec(full);
  LoadHighScores();
  EXPECT_EQ(HighScores[4][2], "new");
}

TEST_F(HighScoreFile, FieldsEndAtCrAndWhatTheFileDoesNotReachKeepsItsValue) {
  const struct {
    std::string bytes;                // "" for no file
    std::array<std::string, 4> read;  // row 0, then the name of row 1
  } files[] = {
      {"a\nb\nc\r\nx\ry\r\n", {"a\nb\nc", "x", "y", "old"}},  // a lone LF stays in the field
      {"one\ntwo\n", {"one\ntwo\n", "old", "old", "old"}},    // LF-only ends: one long field
      {"", {"old", "old", "old", "old"}},
      // Only the first 4 KiB are read.
      {"Ann\r\n" + std::string(10 << 20, '9') + "\r\nlate\r\n",
       {"Ann", std::string(4091, '9'), "old", "old"}},
  };
  for (const auto& file : files) {
    FillTable("old");
    std::filesystem::remove_all(InFolder("Bubble.rec"));
    if (!file.bytes.empty()) WriteRec(file.bytes);
    LoadHighScores();
    const std::array<std::string, 4> read{HighScores[0][0], HighScores[0][1], HighScores[0][2],
                                          HighScores[1][0]};
    EXPECT_EQ(read, file.read) << file.bytes.substr(0, 20);
  }
}

// Scores are ranked by the value of the score field's leading digits, whatever follows.
TEST(ScoreField, CountsAsTheNumberItsLeadingDigitsMake) {
  const struct {
    const char* field;
    double value;
  } fields[] = {{"001230", 1230},    {"1234567", 1234567}, {"", 0},      {"bad", 0},
                {"  42 points", 42}, {"\t+7", 7},          {"-15", -15}, {"12x34", 12},
                {"0x1F", 0},         {"9\n9", 9}};
  for (const auto& f : fields) EXPECT_EQ(NumericValue(f.field), f.value) << f.field;
}

}  // namespace
}  // namespace marlquin::test
