#pragma once

#include "DemoDatabase.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "TADOTable.h"
#include "TDBGrid.h"
#include "TDataSource.h"
#include "TForm.h"
#include "TGlobal.h"
#include "TMyDatabase.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace tarvand::test {

struct ShownMessage {
    QString msg, title, kind;
};

// The host objects over a fresh demo company, an application folder of the suite's shape in a
// temporary directory (EXCEL, WORD, html, DLLs\GlobalForms), and a shown right-to-left form whose
// grid the test fills. Messages, plain message boxes and opened documents are collected instead of
// shown.
class ToolkitGridFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<data::TADOTable> openTable(const QString& name);
    std::unique_ptr<data::TADOQuery> openQuery(const QString& sql);
    // A new grid named dbgName over the dataset with one column per field ("Field" or
    // "Field:Caption"), replacing the grid shown before.
    ui::TDBGrid* showGrid(data::TDataSet* dataset, const QStringList& columns);
    // Copies the test sibling module into DLLs\GlobalForms under the given suite file name
    // ("Search.dll").
    void installSibling(const QString& suiteName);
    QString appFile(const QString& relative) const;
    QString scalar(const QString& sql);
    // What the test sibling module last received through an entry, "|"-separated; empty when
    // the entry was not called.
    static QString siblingCall(const char* entry);

    testsupport::DemoDatabase database;
    QTemporaryDir appDir;
    data::TADOConnection connection;
    TGlobal global;
    std::unique_ptr<TMyDatabase> myDatabase;
    data::TDataSource source;
    std::unique_ptr<ui::TForm> form;
    ui::TDBGrid* grid = nullptr;
    std::vector<ShownMessage> shown;
    QStringList plainMessages;
    QStringList openedDocuments;
    QStringList errors;
};

} // namespace tarvand::test
