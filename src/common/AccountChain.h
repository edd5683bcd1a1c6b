#pragma once

#include <QString>

namespace tarvand {

// The field names of one account chain in a grid row: general, subsidiary, detail, detail-2 and
// project account. A register that carries several chains names each with a prefix.
struct AccountChain {
    QString Koll = QStringLiteral("Koll");
    QString Moein = QStringLiteral("Moein");
    QString Tafsily = QStringLiteral("Tafsily");
    QString Tafsily2 = QStringLiteral("Tafsily2");
    QString Project = QStringLiteral("ProjectCod");

    static AccountChain Prefixed(const QString& prefix) {
        const AccountChain plain;
        return {prefix + plain.Koll, prefix + plain.Moein, prefix + plain.Tafsily, prefix + plain.Tafsily2,
                prefix + plain.Project};
    }
};

} // namespace tarvand
