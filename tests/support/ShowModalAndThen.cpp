#include "ShowModalAndThen.h"

#include "TForm.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace tarvand::testsupport {

int ShowModalAndThen(ui::TForm& form, const std::function<void()>& act) {
    QTimer::singleShot(0, &form, [&form, act] {
        EXPECT_TRUE(form.IsModal());
        act();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, &form, [&form] {
        ADD_FAILURE() << "the form did not end its modal loop";
        form.SetModalResult(-1);
    });
    watchdog.start(10000);
    return form.ShowModal();
}

} // namespace tarvand::testsupport
