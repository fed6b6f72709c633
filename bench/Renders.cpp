// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of every window and of a scripted game of two rounds, made headless with the test
// doubles' fixed seed and clock, so that a change that must leave the game's looks alone can
// be checked pixel for pixel against the pictures made before it:
//   quorvix_renders OUT_DIR [BEFORE_DIR]
// writes one PNG per stage into OUT_DIR, and the message boxes shown into messages.txt; with
// BEFORE_DIR, compares each file with the one of the same name there and fails on any
// difference. The game is driven only as the players drive it: the windows' controls by name,
// the buzzer keys and the timers through the doubles.
#include "core/puzzle/Target.h"
#include "doubles/Draws.h"
#include "doubles/TestGame.h"
#include "look/Fonts.h"
#include "platform/input/Buzzers.h"
#include "windows/finder/FinderWindow.h"
#include "windows/play/PlayWindow.h"
#include "windows/scores/FinalTable.h"
#include "windows/scores/RoundTable.h"
#include "windows/setup/RulesWindow.h"
#include "windows/setup/SetUpWindow.h"
#include "windows/title/AboutBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleHints>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::vector<int> firstDeal{2, 3, 4, 10, 20, 100, 150};

// The board as the answering player works on it: 0..6 the dealt tiles, 7..9 the made ones,
// 0 an empty tile.
using Tiles = std::array<int, 10>;
struct Step {
    int first, second;
    const char* operation;
};

// A way to `target` in at most `depth` steps. Each "=" empties both tiles used and puts the
// result in the first empty made tile; only a whole result from 1 to 999 stands.
bool findWay(const Tiles& tiles, int target, int depth, std::vector<Step>& way)
{
    for (int i = 0; depth > 0 && i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            const int a = tiles[i], b = tiles[j];
            if (i == j || a == 0 || b == 0)
                continue;
            const std::pair<const char*, int> results[] = {
                {"add", i < j ? a + b : 0}, {"subtract", a - b}, {"multiply", i < j ? a * b : 0},
                {"divide", a % b == 0 ? a / b : 0}};
            for (const auto& [operation, result] : results) {
                if (result < 1 || result > 999 || result == a || result == b)
                    continue;
                Tiles next = tiles;
                next[i] = next[j] = 0;
                const auto slot = std::find(next.begin() + 7, next.end(), 0);
                if (slot == next.end())
                    continue;
                *slot = result;
                way.push_back({i, j, operation});
                if (result == target || findWay(next, target, depth - 1, way))
                    return true;
                way.pop_back();
            }
        }
    }
    return false;
}

// How the file `after` compares with `before`: "same", or what differs.
QString verdict(const QString& before, const QString& after)
{
    if (!QFile::exists(after))
        return QStringLiteral("not rendered");
    if (!QFile::exists(before))
        return QStringLiteral("missing");
    if (before.endsWith(u".txt")) {
        QFile a(before), b(after);
        const bool same = a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly) && a.readAll() == b.readAll();
        return same ? QStringLiteral("same") : QStringLiteral("DIFFERENT");
    }
    const QImage a = QImage(before).convertToFormat(QImage::Format_ARGB32);
    const QImage b = QImage(after).convertToFormat(QImage::Format_ARGB32);
    if (a == b)
        return QStringLiteral("same");
    if (a.size() != b.size())
        return QStringLiteral("DIFFERENT (%1x%2, was %3x%4)")
            .arg(b.width()).arg(b.height()).arg(a.width()).arg(a.height());
    int pixels = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            pixels += a.pixel(x, y) != b.pixel(x, y);
    return QStringLiteral("DIFFERENT (%1 pixels)").arg(pixels);
}

// The clicks of the shortest way from `deal` to `target`, "=" included.
QStringList clicksTo(const std::vector<int>& deal, int target)
{
    Tiles tiles{};
    std::copy(deal.begin(), deal.end(), tiles.begin());
    std::vector<Step> way;
    for (int depth = 1; depth < core::DealSize && !findWay(tiles, target, depth, way); ++depth) {
    }
    const auto tile = [](int source) {
        return source < 7 ? QStringLiteral("dealtNumber%1").arg(source)
                          : QStringLiteral("madeNumber%1").arg(source - 7);
    };
    QStringList clicks;
    for (const Step& step : way)
        clicks << tile(step.first) << step.operation << tile(step.second) << "equals";
    return clicks;
}

class Renders {
public:
    explicit Renders(const QString& outDir) : out_(outDir) { QDir().mkpath(outDir); }

    // The title window, the About box, the set-up and rules windows, and the game's start.
    void openGame();
    // Ann buzzes, works a little, is refused, cancels and gives up; Bob buzzes and wins.
    void playFirstRound();
    // The clock runs out: the finder shows a solution, then the tables follow.
    void playSecondRound();
    // The message boxes shown, one a line, as messages.txt.
    void writeMessages() const;
    // Each file written, against the one of the same name in `beforeDir`: true when all are
    // the same and none is missing on either side.
    bool compareWith(const QString& beforeDir) const;

private:
    static void settle() { QCoreApplication::sendPostedEvents(); }
    // Saves a picture of `window` as the next stage.
    void save(const QString& name, QWidget& window);
    void tick(const char* timer, int count = 1) { doubles.timers[timer].fire(count); }
    void buzz(int place);
    // Clicks the play window's controls named in `names`, separated by spaces.
    void click(const QString& names);
    // From the event loop of the next modal window, once `ready` holds: a picture of it, and a
    // click on the button that `closeButton` finds.
    void whenModalShows(const QString& name, std::function<QAbstractButton*()> closeButton,
                        std::function<bool()> ready = [] { return true; });

    doubles::TestServices doubles;
    core::Game game;
    Program program{doubles.services, game};
    QDir out_;
    QStringList written_;
};

void Renders::save(const QString& name, QWidget& window)
{
    const QString file = QStringLiteral("%1-%2.png").arg(written_.size() + 1, 2, 10, QChar(u'0')).arg(name);
    if (!window.isVisible() || !window.grab().save(out_.filePath(file)))
        throw std::runtime_error("no picture for " + file.toStdString());
    written_ << file;
}

void Renders::buzz(int place)
{
    doubles.keys.held = {platform::buzzerKeys[place].key};
    tick("buzzerPoll");
    doubles.keys.held.clear();
}

void Renders::click(const QString& names)
{
    for (const QString& name : names.split(u' ', Qt::SkipEmptyParts)) {
        auto* control = program.playWindow().findChild<QWidget*>(name);
        if (!control)
            throw std::runtime_error("no control " + name.toStdString());
        QTest::mouseClick(control, Qt::LeftButton);
    }
}

void Renders::whenModalShows(const QString& name, std::function<QAbstractButton*()> closeButton,
                             std::function<bool()> ready)
{
    auto* watcher = new QTimer;
    QObject::connect(watcher, &QTimer::timeout, watcher, [=, this] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window || !window->isVisible() || !ready())
            return;
        watcher->stop();
        watcher->deleteLater();
        save(name, *window);
        QTest::mouseClick(closeButton(), Qt::LeftButton);
    });
    watcher->start(0);
}

void Renders::openGame()
{
    doubles.clock.set(QDateTime(QDate(2026, 12, 6), QTime(20, 15, 0)));
    program.showTitle();
    settle();
    tick("dials", 5);
    save("title", program.titleWindow());
    whenModalShows("about", [this] { return program.aboutBox().findChild<QPushButton*>("ok"); });
    QTest::mouseClick(control<QPushButton>(program.titleWindow(), "about"), Qt::LeftButton);
    settle();
    QTest::mouseClick(control<QPushButton>(program.titleWindow(), "play"), Qt::LeftButton);
    settle();

    SetUpWindow& setup = program.setUpWindow();
    save("setup-fresh", setup);
    const QStringList names{"Ann", "Bob"};
    for (int i = 0; i < 6; ++i) {
        control<QCheckBox>(setup, "playing", i)->setChecked(i < names.size());
        if (i < names.size())
            control<QLineEdit>(setup, "name", i)->setText(names[i]);
    }
    control<QLineEdit>(setup, "rounds")->setText("2");
    control<QRadioButton>(setup, "normal")->setChecked(true);
    control<QCheckBox>(setup, "practice")->setChecked(false);
    control<QCheckBox>(setup, "music")->setChecked(false);
    save("setup-filled", setup);
    whenModalShows("rules", [this] { return control<QPushButton>(program.rulesWindow(), "ok"); });
    QTest::mouseClick(control<QPushButton>(setup, "changeRules"), Qt::LeftButton);
    settle();

    doubles.random.script(draws::deal(firstDeal));
    QTest::mouseClick(control<QPushButton>(setup, "start"), Qt::LeftButton);
    settle();
}

void Renders::playFirstRound()
{
    PlayWindow& play = program.playWindow();
    tick("roundClock", 3);
    save("play-dealing", play);
    tick("roundClock", 4);
    save("play-dealt", play);
    tick("spin", 15);
    save("play-spinning", play);
    tick("spin", 15);
    tick("roundClock");
    save("play-target", play);
    const QSize designed = play.size();
    play.resize(1000, 800);
    save("play-large", play);
    play.resize(designed);

    buzz(0);
    tick("flash");
    save("play-buzz-flash", play);
    tick("flash", 15);
    save("play-buzz-flash-over", play);
    const std::pair<const char*, const char*> working[] = {
        {"dealtNumber0", "first-number"},
        {"multiply", "operator"},
        {"dealtNumber3", "second-number"},
        {"equals", "made-number"},
        {"dealtNumber1 divide dealtNumber2 equals", "refused"},  // 3 ÷ 4 is no whole number
        {"dealtNumber4 cancel", "cancelled"},
        {"giveUp", "given-up"},
    };
    for (const auto& [steps, stage] : working) {
        click(steps);
        save(QStringLiteral("play-") + stage, play);
    }

    // Bob buzzes and makes the target.
    buzz(1);
    tick("flash", 16);
    save("play-second-buzz", play);
    const int target = play.round().target();
    const QStringList steps = clicksTo(firstDeal, target);
    if (steps.isEmpty())
        throw std::runtime_error("no way to the target " + std::to_string(target));
    std::printf("target %d: %s\n", target, qPrintable(steps.join(u' ')));
    click(steps.mid(0, steps.size() - 1).join(u' '));
    save("play-winning-way", play);
    click("equals");
    if (!doubles.timers["flash"].isEnabled())
        throw std::runtime_error("the target was not " + std::to_string(target) + ": no winning flash");
    tick("flash", 5);
    save("play-winning-flash", play);
    tick("flash", 25);
    settle();
    save("round-table-1", program.roundTable());
    // As a television shows it, for the README.
    const QSize tableSize = program.roundTable().size();
    program.roundTable().resize(1920, 1080);
    settle();
    save("round-table-1-television", program.roundTable());
    program.roundTable().resize(tableSize);
    settle();
}

void Renders::playSecondRound()
{
    PlayWindow& play = program.playWindow();
    QTest::mouseClick(control<QPushButton>(program.roundTable(), "nextRound"), Qt::LeftButton);
    settle();
    tick("roundClock", 7);
    tick("spin", 30);
    tick("roundClock", 120);
    save("play-round-2-half-time", play);
    FinderWindow& finder = program.finderWindow();
    whenModalShows("finder", [&finder] { return finder.findChild<QPushButton*>("exit"); },
                   [&finder] { return !finder.isSearching(); });
    tick("roundClock", 1000);
    settle();
    save("round-table-2", program.roundTable());
    QTest::mouseClick(control<QPushButton>(program.roundTable(), "nextRound"), Qt::LeftButton);
    settle();
    save("final-table", program.finalTable());
}

void Renders::writeMessages() const
{
    QFile file(out_.filePath("messages.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw std::runtime_error("messages.txt cannot be written");
    for (const doubles::ShownBox& box : doubles.messages.shown)
        file.write((box.title + QStringLiteral(": ") + box.text + u'\n').toUtf8());
}

bool Renders::compareWith(const QString& beforeDir) const
{
    const QDir before(beforeDir);
    QStringList files = written_ + QStringList{"messages.txt"};
    for (const QString& old : before.entryList({"*.png"}, QDir::Files))
        if (!files.contains(old))
            files << old;
    bool same = true;
    for (const QString& file : files) {
        const QString found = verdict(before.filePath(file), out_.filePath(file));
        same = same && found == u"same";
        std::printf("%s: %s\n", qPrintable(file), qPrintable(found));
    }
    return same;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUT_DIR [BEFORE_DIR]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    look::registerFonts(doubles::TestServices::dataFolder());
    // A steady text cursor: a blinking one would show or not by the wall clock.
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    Renders renders(QString::fromLocal8Bit(argv[1]));
    try {
        renders.openGame();
        renders.playFirstRound();
        renders.playSecondRound();
        renders.writeMessages();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "quorvix_renders: %s\n", error.what());
        return 1;
    }
    return argc == 3 && !renders.compareWith(QString::fromLocal8Bit(argv[2])) ? 1 : 0;
}
