#pragma once

#include <QTextDocument>

namespace vortalex::test {

// What a label, a message box or a tooltip shows of `text`: Qt reads text that looks like
// markup as markup unless told it is plain, so "<b>Bold</b>" shows as "Bold".
inline QString shownText(const QString& text, Qt::TextFormat format = Qt::AutoText) {
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text))) {
        return text;
    }
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
}

} // namespace vortalex::test
