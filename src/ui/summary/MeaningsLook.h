#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QTextDocument;

namespace vortalex {

// The meanings box's blocks in the game's type: the " ### " that opens a meaning and the word
// class after it ("(n.)", "(v.)") in the gold of captions, the dashed rule under each meaning
// faint, and the box's hint in italics. Only how the text looks changes: the text, and so what
// a screen reader reads and what is copied, stays exactly the blocks the review writes.
class MeaningsLook final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    MeaningsLook(QTextDocument* document, QString hint);

protected:
    void highlightBlock(const QString& text) override;

private:
    QString m_hint;
    QTextCharFormat m_marker;
    QTextCharFormat m_wordClass;
    QTextCharFormat m_rule;
    QTextCharFormat m_hintLook;
};

} // namespace vortalex
