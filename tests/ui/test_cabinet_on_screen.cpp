// SPDX-FileCopyrightText: 2026 The slots_tarnix developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The cabinet drawn larger than its own size: the screen's mode is left alone at load, and the
// about, pay-table, options and recall windows open over the cabinet, not over its black
// surround.
#include "assets/asset_catalog.hpp"
#include "display/about_window.hpp"
#include "display/cabinet_corner.hpp"
#include "display/paytable_window.hpp"
#include "display/presentation.hpp"
#include "players/options_window.hpp"
#include "players/recall_window.hpp"
#include "support/cabinet.hpp"

#include <QMenuBar>
#include <QScreen>
#include <QTest>

using namespace slot;
using namespace slot::test;

namespace
{

// A cabinet as main() builds it: staged before its load, so the load sees the presentation.
struct Staged {
    ScriptedRng rng;
    ZeroPacing pacing;
    RecordingSound sound;
    PlayerState player;
    Services services { rng, pacing, sound };
    std::vector<std::pair<int, int>> modes;
    std::unique_ptr<Tarnix> w;

    explicit Staged(const std::string &fixedScreenNote)
    {
        services.loadRecord = [](int, PlayerState &p) { p.bank = 500; };
        services.changeRes = [this](int width, int height) { modes.emplace_back(width, height); };
        services.fixedScreenNote = fixedScreenNote;
        w = std::make_unique<Tarnix>(player, services);
    }

    // The cabinet's top-left corner on the screen: its menu bar's.
    QPoint corner() const { return w->menuWidget()->mapToGlobal(QPoint(0, 0)); }
};

} // namespace

class CabinetOnScreen : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { initAssets(); }

    // The start-up already chose the mode; at load the cabinet only switches to 800 x 600
    // where nothing was drawn to fit the screen as it is.
    void theLoadSwitchesTheModeOnlyWhereTheScreenMayChange()
    {
        Staged plain("");
        QVERIFY(plain.w->Form_Load());
        QCOMPARE(plain.modes, (std::vector<std::pair<int, int>> { { 800, 600 } }));

        Staged fitted("The screen stays as it is: the cabinet is drawn to fit it.");
        centreOnBlack(*fitted.w);
        QVERIFY(fitted.w->Form_Load());
        QVERIFY(fitted.modes.empty());
    }

    void theOtherWindowsOpenAtTheCornerOfTheCentredCabinet()
    {
        Staged s("The screen stays as it is: the cabinet is drawn to fit it.");
        centreOnBlack(*s.w);
        QVERIFY(s.w->Form_Load());
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        const QPoint corner = s.corner();
        // The cabinet stands inside a black surround on every side.
        QVERIFY2(corner.x() > 20 && corner.y() > 20,
            qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
        const QRect screen = s.w->screen()->availableGeometry();

        struct Case {
            const char *name;
            QAction *menu;
            QWidget *(*open)(Staged &);
        };
        const Case cases[] = {
            { "about", s.w->mnuabout,
                [](Staged &t) -> QWidget * { return t.w->aboutWindow.data(); } },
            { "paytable", s.w->mnuptble,
                [](Staged &t) -> QWidget * { return t.w->paysWindow.data(); } },
            { "options", s.w->mnuplayer,
                [](Staged &t) -> QWidget * { return t.w->optionsWindow.data(); } },
            { "recall", s.w->mnurecall,
                [](Staged &t) -> QWidget * { return t.w->recallWindow.data(); } },
        };
        for (const Case &c : cases) {
            c.menu->trigger();
            QWidget *form = c.open(s);
            QVERIFY2(form && form->isVisible(), c.name);
            const QRect at = form->frameGeometry();
            // At the corner, unless that would put part of it off the screen: then as near
            // as the screen allows, and whole on it.
            QVERIFY2(screen.contains(at), c.name);
            const QPoint want(std::min(corner.x(), screen.right() + 1 - at.width()),
                std::min(corner.y(), screen.bottom() + 1 - at.height()));
            QVERIFY2(at.topLeft() == want,
                qPrintable(QStringLiteral("%1 at %2,%3, the cabinet's corner %4,%5")
                               .arg(QLatin1String(c.name))
                               .arg(at.x())
                               .arg(at.y())
                               .arg(want.x())
                               .arg(want.y())));
            form->close();
            QVERIFY2(s.w->isEnabled(), c.name);
        }
        // A window taller than the room below the corner moves up until it is whole.
        QWidget tall(nullptr, Qt::Window);
        tall.setFixedSize(300, screen.height() - corner.y() + 40);
        tall.show();
        openAtCabinetCorner(tall, *s.w);
        QCOMPARE(tall.frameGeometry().topLeft(),
            QPoint(corner.x(), screen.bottom() + 1 - tall.frameGeometry().height()));
    }

    // At its own size the cabinet's corner is the screen's, wherever the player has moved it.
    void atItsOwnSizeTheWindowsOpenAtTheScreensCorner()
    {
        Staged s("");
        QVERIFY(s.w->Form_Load());
        s.w->move(50, 40);
        s.w->mnurecall->trigger();
        QVERIFY(s.w->recallWindow);
        QCOMPARE(s.w->recallWindow->pos(), QPoint(0, 0));
        s.w->recallWindow->close();
    }
};

QTEST_MAIN(CabinetOnScreen)
#include "test_cabinet_on_screen.moc"
