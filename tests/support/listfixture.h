#pragma once

#include "testdatabase.h"
#include "ui/mainwindow.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

// A main window started on a test database holding a handful of tickets, its list open.
// Errors the window would show are collected in `errors`.
class ListFixture : public ::testing::Test {
protected:
    TestDatabase database;
    TestSite site;
    QStringList errors;
    std::unique_ptr<ui::MainWindow> window;

    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<ui::MainWindow> startWindow();
    int gridColumn(const QString &fieldName) const;
    void selectCell(int row, const QString &fieldName);
    QStringList listedNumbers() const; // CISLODOKLA of every listed row, in order
    QString workingFile(const QString &name) const;
};
