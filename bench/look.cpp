// The game's look, drawn offscreen for a person to look at: a message box of each icon at the
// design size and at one and a half times, and a page of the controls the theme draws (buttons
// at rest, under the pointer, with the keys and off; a line edit; a score grid with its
// selected row; tabs; a check box; a text box with a scroll bar; a tool tip's colours).
//
//   look <folder>
#include "core/common/MessageBox.h"
#include "ui/widgets/DesignLayout.h"
#include "ui/widgets/GameMessageDialog.h"
#include "ui/widgets/ScoreGrid.h"
#include "ui/widgets/Theme.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>

#include <cstdio>

using namespace vortalex;

namespace {

bool save(QWidget& widget, const QString& path) {
    widget.show();
    QCoreApplication::processEvents();
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// A page on the sky with one of each control, placed from a design in pixels.
class Sampler final : public QWidget {
public:
    Sampler()
        : m_layout(*this, design::pixels(520, 330)) {
        const auto button = [this](const QString& text, const QRect& place) {
            auto* b = new QPushButton(text, this);
            m_layout.place(b, design::pixels(place), theme::textFont(10));
            return b;
        };
        auto* heading = new QLabel(QStringLiteral("Overall ranking"), this);
        theme::styleCaption(*heading);
        m_layout.place(heading, design::pixels(14, 10, 300, 26), theme::captionFont(14));
        auto* value = new QLabel(QStringLiteral("04:59"), this);
        theme::styleValue(*value);
        m_layout.place(value, design::pixels(330, 10, 170, 26), theme::valueFont(16));

        auto* grid = new ScoreGrid(this);
        auto* rows = new QStandardItemModel(0, 2, this);
        for (const auto& [name, score] : {std::pair{"Ann", 9250},
                                          {"Bob", 7400},
                                          {"Cy", 5100},
                                          {"Dee", 4300},
                                          {"Eve", 2000},
                                          {"Fay", 1250},
                                          {"Gus", 1000},
                                          {"Hal", 750},
                                          {"Ida", 250}}) {
            rows->appendRow({new QStandardItem(QString::fromLatin1(name)),
                             new QStandardItem(QString::number(score))});
        }
        grid->setRows(rows);
        m_layout.place(grid, design::pixels(14, 44, grid->naturalWidth(), 170));
        grid->selectRow(1);

        auto* tabs = new QTabBar(this);
        tabs->addTab(QStringLiteral("Your words"));
        tabs->addTab(QStringLiteral("Words you missed (12)"));
        tabs->setDrawBase(false);
        m_layout.place(tabs, design::pixels(210, 44, 300, 28), theme::textFont(9, true));

        auto* name = new QLineEdit(QStringLiteral("Window Tester"), this);
        m_layout.place(name, design::pixels(210, 80, 170, 28), theme::textFont(12, true));
        auto* check = new QCheckBox(QStringLiteral("Show all, rarer words too"), this);
        theme::setTextColour(*check, theme::kGold);
        check->setChecked(true);
        m_layout.place(check, design::pixels(210, 114, 300, 24), theme::textFont(10, true));

        auto* text = new QPlainTextEdit(this);
        text->setPlainText(QStringLiteral(
            "### (n.)\nA domesticated carnivorous mammal that typically has a long snout.\n"
            "-----------------------------\n### (v.)\nTo follow closely.\n"
            "-----------------------------\n### (n.)\nA dull unattractive unpleasant girl.\n"
            "-----------------------------\n### (n.)\nSomeone who is morally reprehensible."));
        m_layout.place(text, design::pixels(210, 144, 296, 70), theme::textFont(10));

        button(QStringLiteral("&Save Score"), {14, 230, 120, 30});
        auto* hover = button(QStringLiteral("&Done"), {144, 230, 120, 30});
        hover->setAttribute(Qt::WA_UnderMouse); // drawn as under the pointer
        auto* focused = button(QStringLiteral("&Next"), {274, 230, 120, 30});
        focused->setDefault(true);
        button(QStringLiteral("E&xpert"), {404, 230, 102, 30})->setEnabled(false);

        auto* tip =
            new QLabel(QStringLiteral("A name cut short shows whole as its tool tip"), this);
        tip->setObjectName(QStringLiteral("tip"));
        QPalette tp = tip->palette();
        tp.setColor(QPalette::Window, theme::gamePalette().color(QPalette::ToolTipBase));
        tp.setColor(QPalette::WindowText, theme::gamePalette().color(QPalette::ToolTipText));
        tip->setPalette(tp);
        tip->setAutoFillBackground(true);
        m_layout.place(tip, design::pixels(14, 280, 300, 22), theme::textFont(9));
    }

    DesignLayout& layout() { return m_layout; }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter p(this);
        theme::paintSky(p, QRectF(rect()));
    }

private:
    DesignLayout m_layout;
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    theme::apply(app);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: look <folder>\n");
        return 2;
    }
    const QDir out(args.at(1));
    QDir().mkpath(out.path());
    bool ok = true;
    const struct {
        const char* name;
        MessageStyle style;
        const char* text;
    } boxes[] = {
        {"stop", style::kCritical, "START has been Selected!\r\nYou can execute this only once..."},
        {"question", style::kYesNoQuestion, "Player already exist.\r\nOverwrite the score?"},
        {"exclamation", style::kExclamation, "Please enter your name."},
        {"information", style::kInformation, "Scores Successfuly Updated!"},
        {"plain", style::kYesNo, "Do You want to try again??"},
    };
    for (const qreal scale : {1.0, 1.5}) {
        for (const auto& box : boxes) {
            GameMessageDialog dialog(QString::fromLatin1(box.text), box.style, QString(), nullptr,
                                     scale);
            ok = save(dialog, out.filePath(QStringLiteral("message-%1@%2.png")
                                               .arg(QString::fromLatin1(box.name))
                                               .arg(scale))) &&
                 ok;
        }
        Sampler sampler;
        sampler.resize(sampler.layout().designPixels() * scale);
        ok = save(sampler, out.filePath(QStringLiteral("controls@%1.png").arg(scale))) && ok;
    }
    return ok ? 0 : 1;
}
