#include "InfoRights.h"

namespace tarvand {

bool InfoRights::allows(const QString& entry) const {
    return rights_.contains(entry + QStringLiteral("(Y)"));
}

bool InfoRights::tafsily2TabEnabled() const {
    return !rights_.contains(QStringLiteral("D_B_TT2_G(N),D_B_TT2_T(N)"));
}

bool InfoRights::tafsily2AccountsAllowed() const {
    return allows(QStringLiteral("D_B_TT2_T"));
}

bool InfoRights::tafsily2GroupsAllowed() const {
    return allows(QStringLiteral("D_B_TT2_G"));
}

bool InfoRights::personelTabEnabled() const {
    return !rights_.contains(QStringLiteral("D_B_TAHVIL_GROH(N),D_B_TAHVIL_TAHVIL(N)"));
}

bool InfoRights::recipientsAllowed() const {
    return allows(QStringLiteral("D_B_TAHVIL_TAHVIL"));
}

bool InfoRights::departsAllowed() const {
    return allows(QStringLiteral("D_B_TAHVIL_GROH"));
}

} // namespace tarvand
