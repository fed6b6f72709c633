// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "platform/window/Form.h"
#include "platform/window/MessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A window of the game that keeps its left two fifths in view.
class Window final : public platform::Form {
public:
    explicit Window(platform::Services& services) : Form(services)
    {
        design(QStringLiteral("Window"), QSize(300, 200), QColor(192, 255, 192));
    }
    QList<QRect> placesToKeepInView() const override { return {QRect(0, 0, width() * 2 / 5, height())}; }
};

}  // namespace

// A box at two and a half times the design: the window's colours, the title in bold over the
// text as typed, both answers whole, and out of the way of what the window keeps in view.
TEST(QtMessageBoxes, ShowTheirTextAsTypedInTheWindowsLookAtItsScaleWhereTheyHideTheLeast)
{
    doubles::TestServices doubles{true};
    doubles.boxes.setFace(QFont(QStringLiteral("Quorvix Controls"), 12));
    Window window(doubles.services);
    window.resize(1000, 500);
    window.show();
    QCoreApplication::sendPostedEvents();
    const QString text = "You've had all your turns, <img src=/dev/zero><b>Zoë</b>.";
    QStringList texts;
    QImage shown;
    QRect place;
    std::vector<std::pair<QSize, QSize>> buttonSizes;  // as shown, as they ask
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
            const auto* label = box->findChild<QLabel*>(name);
            texts << (label && label->textFormat() == Qt::PlainText ? label->text() : QString());
            texts << (label && label->font().bold() ? "bold" : "plain");
        }
        for (QAbstractButton* button : box->buttons()) {
            EXPECT_TRUE(box->rect().contains(button->geometry().translated(button->parentWidget()->mapTo(box, QPoint(0, 0)))));
            buttonSizes.push_back({button->size(), button->sizeHint()});
            EXPECT_GE(QFontInfo(button->font()).pixelSize(), 38) << "12 points at 2.5x";
        }
        shown = box->grab().toImage();
        place = QRect(window.mapFromGlobal(box->pos()), box->size());
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(doubles.boxes.show(text, "All Turns Used", platform::Buttons::YesNo), platform::Answer::No);
    EXPECT_EQ(texts, (QStringList{"All Turns Used", "bold", text, "plain"}));
    ASSERT_EQ(buttonSizes.size(), 2u);
    for (const auto& [size, asked] : buttonSizes)
        EXPECT_TRUE(size.width() >= asked.width() && size.height() >= asked.height()) << "never clipped";
    EXPECT_EQ(shown.pixelColor(shown.width() / 2, 1), QColor(0, 0, 255)) << "a blue edge";
    EXPECT_EQ(shown.pixelColor(shown.width() - 20, 20), QColor(192, 255, 192)) << "the window's background";
    EXPECT_TRUE(place.left() >= window.width() * 2 / 5 && window.rect().contains(place))
        << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
}
