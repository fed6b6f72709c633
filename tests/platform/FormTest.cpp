// SPDX-License-Identifier: GPL-3.0-or-later
#include "doubles/TestGame.h"
#include "platform/Form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A window that writes what happens to it into a shared log.
class LoggingForm final : public platform::Form {
public:
    LoggingForm(platform::Services& services, QString name, QStringList& log)
        : Form(services), name_(std::move(name)), log_(log)
    {
    }
    bool cancelClose = false;
    void unloadOnClose() { unloadWhenClosed(); }

protected:
    void loadEvent() override { log_ << name_ + " load"; }
    void activateEvent() override { log_ << name_ + " activate"; }
    void deactivateEvent() override { log_ << name_ + " deactivate"; }
    void queryClose(bool& cancel) override
    {
        log_ << name_ + " query unload";
        cancel = cancelClose;
    }

private:
    QString name_;
    QStringList& log_;
};

class FormTest : public doubles::GameTest {
protected:
    QStringList log;
    LoggingForm title{doubles.services, "title", log};
    LoggingForm setup{doubles.services, "setup", log};
    LoggingForm modal{doubles.services, "modal", log};

    void activateTitle()
    {
        title.show();
        settle();
        log.clear();
    }
};

}  // namespace

TEST_F(FormTest, AShownWindowIsActivatedAfterTheShowingHandlerReturnsUnlessItIsHiddenFirst)
{
    title.show();
    title.show();  // twice: loaded and activated once
    EXPECT_EQ(doubles.activation.active(), nullptr);
    settle();
    EXPECT_EQ(log, (QStringList{"title load", "title activate"}));
    EXPECT_TRUE(title.isActive());

    // Another window shown takes over only when its turn comes.
    setup.show();
    EXPECT_TRUE(title.isActive());
    settle();
    EXPECT_EQ(log.mid(2), (QStringList{"setup load", "title deactivate", "setup activate"}));

    // Hiding hands over at once, and a window hidden before its turn is never activated.
    setup.hide();
    modal.show();
    modal.hide();
    settle();
    EXPECT_EQ(log.mid(5), (QStringList{"setup deactivate", "modal load"}));
    EXPECT_EQ(doubles.activation.active(), nullptr);
}

TEST_F(FormTest, AModalWindowTakesOverAndGivesBackBeforeItsShowReturns)
{
    activateTitle();
    QTimer::singleShot(0, [&] {
        log << "inside the modal loop";
        modal.hide();
    });
    modal.showModal();
    log << "modal show returned";
    EXPECT_EQ(log, (QStringList{"modal load", "title deactivate", "modal activate", "inside the modal loop",
                                "modal deactivate", "title activate", "modal show returned"}));
    EXPECT_TRUE(title.isActive());
}

TEST_F(FormTest, ACloseFromTheFrameAsksTheWindowWhichMayRefuse)
{
    activateTitle();
    title.cancelClose = true;
    title.close();
    EXPECT_TRUE(title.isVisible());
    EXPECT_TRUE(title.isActive());
    EXPECT_EQ(log, QStringList{"title query unload"});

    // A window made to be unloaded goes when it is closed; the others only hide.
    auto* about = new LoggingForm(doubles.services, "about", log);
    about->unloadOnClose();
    bool unloaded = false;
    QObject::connect(about, &platform::Form::unloaded, [&] { unloaded = true; });
    about->show();
    settle();
    about->close();
    EXPECT_TRUE(unloaded);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(doubles.activation.active(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    title.cancelClose = false;
    title.close();
    EXPECT_FALSE(title.isVisible());
}
