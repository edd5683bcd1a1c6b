#include "HostContext.h"
#include "ModuleHost.h"
#include "TComboBox.h"
#include "TDlgMsg.h"
#include "TInfoForm.h"
#include "TPageControl.h"
#include "TSelForm.h"
#include "TShowStateForm.h"
#include "TTempGridForm.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tarvand;
using testsupport::ModuleHost;

namespace {

// A property that a layout file gives a control which does not have it is kept as a dynamic
// property and changes nothing; the only dynamic properties are the ones our code keeps.
QStringList strayProperties(const QObject* form) {
    QStringList stray;
    QList<const QObject*> objects{form};
    for (const QObject* child : form->findChildren<QObject*>())
        objects << child;
    for (const QObject* object : objects) {
        for (const QByteArray& name : object->dynamicPropertyNames()) {
            if (!name.startsWith("tarvand") && !name.startsWith("_q_"))
                stray << object->objectName() + QLatin1Char('.') + QString::fromLatin1(name);
        }
    }
    return stray;
}

} // namespace

TEST(LayoutPropertiesTest, EveryPropertyALayoutFileSetsBelongsToItsControl) {
    ModuleHost host;
    host.Ostavan();
    // Every editor is made: each tab shown, and both choices of the combined tabs.
    for (int index = 0; index < InfoForm->Info_PageControl->PageCount(); ++index)
        InfoForm->Info_PageControl->SetActivePageIndex(index);
    InfoForm->cmbPersonel->SetItemIndex(0);
    InfoForm->cmbPersonelChange();
    InfoForm->cmbTafsily2->SetItemIndex(0);
    InfoForm->cmbTafsily2Change();
    TSelForm folderDialog;
    for (const QObject* form : std::initializer_list<const QObject*>{
             &host.MainForm(), &host.DlgMsg(), &host.ShowStateForm(), &host.TempGridForm(), &folderDialog})
        EXPECT_EQ(strayProperties(form).join(QStringLiteral(", ")).toStdString(), "")
            << form->objectName().toStdString();
}
