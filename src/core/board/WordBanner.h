#pragma once

#include <QObject>
#include <QString>

namespace vortalex {

// The banner that shows an accepted word sliding down beside the field. The slide leaves the
// clock alone: it never restarts a paused or finished level. A timer outside follows
// sliding() and calls tick().
class WordBanner : public QObject {
    Q_OBJECT
public:
    static constexpr int kStartTop = 2310; // twips
    static constexpr int kEndTop = 3210;
    static constexpr int kStep = 100;

    using QObject::QObject;

    void show(const QString& word); // from where it stands
    // Hidden and back on top; a slide that runs goes on, unseen.
    void putBack();
    void tick();

    bool visible() const { return m_visible; }
    QString text() const { return m_text; }
    int top() const { return m_top; }
    bool sliding() const { return m_sliding; }

signals:
    void changed(bool visible, const QString& text, int top);
    void slidingChanged(bool sliding);

private:
    void set(bool visible, const QString& text, int top);
    void setSliding(bool sliding);

    bool m_visible = false;
    QString m_text;
    int m_top = kStartTop;
    bool m_sliding = false;
};

} // namespace vortalex
