#pragma once

#include "mapview/WindowObject.h"

#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

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
