#pragma once

#include "mapview/WindowObject.h"
#include "mastermap/At5Writer.h"
#include "mastermap/MasterFixtures.h"

#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

// A master map folder of one land area that covers the main window's first view.
inline void WriteLandMaster(const QString& folder) {
    testing_support::WriteFile(folder + "/MasterDefinitionLibrary.dat", "major 3 Land\nminor 60 Land\n");
    testing_support::WriteFile(folder + "/MasterList.txt", "M.at5\r\n");
    mastermap::At5Writer w;
    w.Add(mastermap_testing::Square(60, -14000000, 2500000, 7000000));
    ASSERT_EQ(w.Write(folder + "/M.at5"), "");
}

// The main window with its map display found and laid out.
class MapWindowFixture : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        QApplication::processEvents();
        display = main->findChild<QWidget*>(QStringLiteral("picDisplay"));
        ASSERT_NE(display, nullptr);
        ASSERT_GT(display->width(), 300);
    }

    QToolButton* Button(const char* name, int index) {
        for (QToolButton* b : main->findChildren<QToolButton*>(QLatin1String(name)))
            if (b->property("Index").toInt() == index)
                return b;
        return nullptr;
    }

    void ClickMap(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseMove(display, at);
        QTest::mouseClick(display, button, {}, at);
    }

    mapview::WindowObject& View() { return main->Window(); }

    QWidget* display = nullptr;
};
