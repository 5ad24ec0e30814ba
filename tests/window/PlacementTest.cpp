// The main window's placement: read from the per-user registry values in twips,
// minimised restored as normal, and written back when the window closes.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "WindowPlacement.h"
#include "settings/LinkSettings.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

Shell::WindowPlacement StoredPlacement() {
    return Shell::ReadWindowPlacement({-1, -1, -1, -1, -1});
}

} // namespace

class PlacementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;
    int twips_ = 15;

private slots:
    void init() {
        world_ = std::make_unique<WindowWorld>();
        twips_ = frmMain::TwipsPerPixel();
    }
    void cleanup() { world_.reset(); }

    void withoutStoredValuesTheDefaultSizeIsCentred() {
        frmMain& window = world_->OpenWindow();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window.size(), QSize(10572 / twips_, 7140 / twips_));
        QCOMPARE(window.pos(), QPoint((screen.width() * twips_ - 10572) / 2 / twips_,
                                      (screen.height() * twips_ - 7140) / 2 / twips_));
        QCOMPARE(window.windowState(), Qt::WindowNoState);
    }

    void aWindowStoredMinimisedComesBackNormalAtItsRectangle() {
        Shell::WriteWindowPlacement({20 * twips_, 30 * twips_, 500 * twips_, 400 * twips_, 1});
        frmMain& window = world_->OpenWindow();
        QVERIFY(!window.isMinimized());
        QCOMPARE(window.pos(), QPoint(20, 30));
        QCOMPARE(window.size(), QSize(500, 400));
    }

    void closingWritesTheNormalRectangleAndMinimisedAsNormal() {
        Shell::WriteWindowPlacement({20 * twips_, 30 * twips_, 500 * twips_, 400 * twips_, 0});
        frmMain& window = world_->OpenWindow();
        window.move(40, 50);
        window.resize(520, 410);
        QTRY_COMPARE(window.NormalRectangle(), QRect(40, 50, 520, 410));
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        world_->CloseWindow();
        QCOMPARE(StoredPlacement(),
                 (Shell::WindowPlacement{40 * twips_, 50 * twips_, 520 * twips_, 410 * twips_, 0}));
    }

    void aMaximisedWindowKeepsItsNormalRectangle() {
        Shell::WriteWindowPlacement({20 * twips_, 30 * twips_, 500 * twips_, 400 * twips_, 2});
        frmMain& window = world_->OpenWindow();
        QTRY_VERIFY(window.isMaximized());
        world_->CloseWindow();
        QCOMPARE(StoredPlacement(),
                 (Shell::WindowPlacement{20 * twips_, 30 * twips_, 500 * twips_, 400 * twips_, 2}));
    }

    void aRectangleOffEveryScreenOrTooSmallGivesTheDefault_data() {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("far right") << 100000 << 30 << 500 << 400;
        QTest::newRow("above") << 20 << -100000 << 500 << 400;
        QTest::newRow("no width") << 20 << 30 << 0 << 400;
        QTest::newRow("negative height") << 20 << 30 << 500 << -400;
    }
    void aRectangleOffEveryScreenOrTooSmallGivesTheDefault() {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(int, width);
        QFETCH(int, height);
        Shell::WriteWindowPlacement(
            {left * twips_, top * twips_, width * twips_, height * twips_, 0});
        frmMain& window = world_->OpenWindow();
        QCOMPARE(window.size(), QSize(10572 / twips_, 7140 / twips_));
        QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(window.geometry().center()));
    }

    void theSettingsAreSavedWhenTheWindowCloses() {
        frmMain& window = world_->OpenWindow();
        modCommon::Settings().AddBulls = true;
        window.close();
        QVERIFY(ReadBytes(world_->File("link.ini")).find("AddBulls=1") != std::string::npos);
    }
};

WINDOW_TEST_SUITE("placement", PlacementTest);
#include "PlacementTest.moc"
