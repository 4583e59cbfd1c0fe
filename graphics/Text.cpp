// SPDX-FileCopyrightText: 2026 The Marlquin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphics/Text.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QString>
#include <QTextLayout>
#include <cmath>
#include <future>
#include <map>
#include <memory>
#include <utility>

#include "graphics/DrawingLayerInternal.h"
#include "platform/ProgramPath.h"
#include "platform/UnreadableFile.h"

namespace marlquin {
namespace {

struct FontRequest {
  QString family;  // as installed
  float points = 0;
  int32_t style = 0;
  bool operator==(const FontRequest&) const = default;
};

// The current font and colour, and what was worked out for them.
struct TextState {
  std::optional<QFont> font;
  FontRequest fontRequest;  // what made font
  QString fontKey;
  double textMargin = 0;
  std::optional<QColor> textColor;
  std::map<std::pair<QString, std::string>, std::shared_ptr<const TextBlock>> laidOutTexts;
  std::map<QString, std::optional<QString>> familyLookups;
};

TextState& textState() {
  static TextState state;
  return state;
}

// The bundled faces that stand in for families this game asks for where they are missing.
const std::map<QString, QString>& Substitutes() {
  static const std::map<QString, QString> table{{"arial black", "Lato Black"}};
  return table;
}

struct FontRegistration {
  bool registered = false;
  std::future<bool> ahead;  // begun by RegisterFontAhead, not yet waited for
};

FontRegistration& fontRegistration() {
  static FontRegistration state;
  return state;
}

std::string BundledFontPath() { return ProgramFile("/res/fonts/Lato-Black.ttf"); }

bool AddFont(const std::string& path) {
  return QFontDatabase::addApplicationFont(QString::fromStdString(path)) >= 0;
}

// Makes the bundled face known, or waits for RegisterFontAhead to have done it.
void RegisterBundledFont() {
  FontRegistration& state = fontRegistration();
  if (state.registered) return;
  state.registered = state.ahead.valid() ? state.ahead.get() : AddFont(BundledFontPath());
  if (!state.registered) ReportUnreadableFile(BundledFontPath(), "not a font");
}

std::optional<QString> InstalledFamily(const std::string& requested) {
  RegisterBundledFont();
  const QString wanted = QString::fromStdString(requested).toLower();
  auto& cache = textState().familyLookups;
  if (auto hit = cache.find(wanted); hit != cache.end()) return hit->second;

  std::vector<std::string> installed;
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::styles(family).isEmpty()) installed.push_back(family.toStdString());
  }
  std::optional<QString> found;
  if (auto chosen = ChooseFontFamily(requested, installed)) found = QString::fromStdString(*chosen);
  cache[wanted] = found;
  return found;
}

// Hinting may move an outline by up to a pixel.
constexpr qreal HintingShift = 1;

// Where the lines' letters can leave ink, from their outlines and their boxes (underlines
// and strike-outs lie within the boxes).
QRectF InkArea(const QTextLayout& layout, const QFontMetricsF& metrics) {
  QRectF ink;
  for (int i = 0; i < layout.lineCount(); ++i) {
    const QTextLine line = layout.lineAt(i);
    const QString text = layout.text().mid(line.textStart(), line.textLength());
    ink |= line.naturalTextRect();
    ink |= metrics.tightBoundingRect(text).translated(line.position() + QPointF(0, line.ascent()));
  }
  return ink.adjusted(-HintingShift, -HintingShift, HintingShift, HintingShift);
}

// The same few texts come every frame; the score makes new ones, so the kept layouts are
// dropped together when there are this many.
constexpr size_t MostLaidOutTexts = 64;

// Left-aligned lines as the painter lays out a text box: each line starts on a whole
// pixel, the font's leading below the one before. CR LF or LF starts a new line.
std::shared_ptr<const TextBlock> LaidOut(const std::string& text) {
  TextState& state = textState();
  auto& texts = state.laidOutTexts;
  auto key = std::make_pair(state.fontKey, text);
  if (auto hit = texts.find(key); hit != texts.end()) return hit->second;
  if (texts.size() >= MostLaidOutTexts) texts.clear();
  QString lines = QString::fromStdString(text);
  lines.replace("\r\n", "\n").replace('\r', '\n').replace('\n', QChar::LineSeparator);
  const QImage* device = StartedBackBuffer();
  const QFont font(*state.font, device);
  auto block = std::make_shared<TextBlock>();
  QTextLayout& layout = block->layout;
  layout.setText(lines);
  layout.setFont(font);
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::ManualWrap);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  const QFontMetricsF metrics(font, device);
  const qreal leading = metrics.leading();
  qreal height = -leading;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(0x01000000);
    height = std::ceil(height + leading);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  block->ink = InkArea(layout, metrics);
  return texts.emplace(std::move(key), std::move(block)).first->second;
}

}  // namespace

void StartText() {
  textState() = TextState{};
  // A registration begun ahead is waited for where a font is first needed.
  if (!fontRegistration().ahead.valid()) RegisterBundledFont();
}

void RegisterFontAhead() {
  FontRegistration& state = fontRegistration();
  if (state.registered || state.ahead.valid()) return;
  state.ahead = std::async(std::launch::async, AddFont, BundledFontPath());
}

std::optional<std::string> ChooseFontFamily(const std::string& requested,
                                            const std::vector<std::string>& installed) {
  auto find = [&](const QString& name) -> std::optional<std::string> {
    for (const std::string& family : installed) {
      if (QString::fromStdString(family).compare(name, Qt::CaseInsensitive) == 0) return family;
    }
    return std::nullopt;
  };
  const QString wanted = QString::fromStdString(requested);
  if (auto found = find(wanted)) return found;
  const auto sub = Substitutes().find(wanted.toLower());
  return sub != Substitutes().end() ? find(sub->second) : std::nullopt;
}

void SetFont(const std::string& family, float points, int32_t style) {
  TextState& state = textState();
  if (!StartedBackBuffer()) return;
  const std::optional<QString> installed = InstalledFamily(family);
  if (!installed || points <= 0) return;
  // Screens set their fonts every frame, in any case of letters: making the same font
  // again is the costly part.
  FontRequest request{*installed, points, style};
  if (state.font && state.fontRequest == request) return;
  QFont font(*installed);
  font.setPointSizeF(points);
  font.setBold((style & Bold) != 0);
  font.setItalic((style & Italic) != 0);
  font.setUnderline((style & Underline) != 0);
  font.setStrikeOut((style & Strikeout) != 0);
  state.font = font;
  state.fontKey = font.key();
  state.fontRequest = std::move(request);
  // A sixth of an em before the first letter, as text layout boxes traditionally pad.
  state.textMargin = QFontInfo(font).pixelSize() / 6.0;
}

void SetTextColor(int c1, int c2, int c3, int c4) {
  textState().textColor = QColor(c3 & 0xFF, c2 & 0xFF, c1 & 0xFF, c4 & 0xFF);
}

void DrawText(int16_t x, int16_t y, const std::string& text) {
  const TextState& state = textState();
  if (!StartedBackBuffer() || !state.font || !state.textColor || text.empty()) return;
  RecordCall(TextDraw{LaidOut(text), *state.textColor, QPointF(x + state.textMargin, y)});
}

}  // namespace marlquin
