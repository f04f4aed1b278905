#include "ui/summary/MeaningsLook.h"

#include "ui/widgets/Theme.h"

#include <QRegularExpression>

namespace vortalex {

namespace {

// A meaning's line: the marker, then a word class in brackets where the dictionary gives one.
const QRegularExpression kMeaningStart(QStringLiteral(R"(^( ### )(\([^)]*\))?)"));
const QRegularExpression kRule(QStringLiteral("^-{3,}$"));

} // namespace

MeaningsLook::MeaningsLook(QTextDocument* document, QString hint)
    : QSyntaxHighlighter(document)
    , m_hint(std::move(hint)) {
    m_marker.setForeground(theme::kGold);
    m_marker.setFontWeight(QFont::Bold);
    m_wordClass.setForeground(theme::kGold);
    m_wordClass.setFontItalic(true);
    m_rule.setForeground(theme::withAlpha(theme::kGold, 90));
    m_hintLook.setForeground(theme::kHeading);
    m_hintLook.setFontItalic(true);
}

void MeaningsLook::highlightBlock(const QString& text) {
    if (text == m_hint) {
        setFormat(0, static_cast<int>(text.size()), m_hintLook);
        return;
    }
    if (kRule.match(text).hasMatch()) {
        setFormat(0, static_cast<int>(text.size()), m_rule);
        return;
    }
    const QRegularExpressionMatch start = kMeaningStart.match(text);
    if (!start.hasMatch()) {
        return;
    }
    setFormat(static_cast<int>(start.capturedStart(1)), static_cast<int>(start.capturedLength(1)),
              m_marker);
    if (start.capturedLength(2) > 0) {
        setFormat(static_cast<int>(start.capturedStart(2)),
                  static_cast<int>(start.capturedLength(2)), m_wordClass);
    }
}

} // namespace vortalex
