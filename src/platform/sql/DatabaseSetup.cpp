#include "DatabaseSetup.h"

#include "EDatabaseError.h"
#include "PgBackend.h"
#include "SqliteBackend.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <random>

namespace tarvand::sql {

namespace {

struct Batch {
    QString text;
    int firstLine = 1;
};

bool isSeparator(const QString& line) {
    return line.trimmed().compare(QLatin1String("GO"), Qt::CaseInsensitive) == 0;
}

bool holdsStatement(const QStringList& lines) {
    return std::any_of(lines.begin(), lines.end(), [](const QString& line) {
        const QString trimmed = line.trimmed();
        return !trimmed.isEmpty() && !trimmed.startsWith(QLatin1String("--"));
    });
}

QList<Batch> batchesOf(const QString& script) {
    QList<Batch> batches;
    QStringList lines;
    int firstLine = 1;
    const QStringList all = script.split(QRegularExpression(QStringLiteral("\r?\n")));
    for (int i = 0; i <= all.size(); ++i) {
        const bool end = i == all.size();
        if (end || isSeparator(all[i])) {
            if (holdsStatement(lines)) {
                batches.append({lines.join(QLatin1Char('\n')), firstLine});
            }
            lines.clear();
            firstLine = i + 2;
        } else {
            lines.append(all[i]);
        }
    }
    return batches;
}

QVariant cellValue(const ResultCursor& cursor, int column) {
    switch (cursor.cellKind(column)) {
    case ColumnKind::Unknown:
        return {};
    case ColumnKind::Integer:
        return QVariant::fromValue<qlonglong>(cursor.cellInt(column));
    case ColumnKind::Float:
        return cursor.cellFloat(column);
    default: {
        const std::string_view text = cursor.cellText(column);
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }
    }
}

QList<QVariantList> readRows(SqlBackend& backend, const QString& statement) {
    QList<QVariantList> rows;
    auto cursor = backend.query(statement);
    const int columns = int(cursor->columns().size());
    while (cursor->next()) {
        QVariantList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            row.append(cellValue(*cursor, c));
        }
        rows.append(std::move(row));
    }
    return rows;
}

QStringList readTexts(SqlBackend& backend, const QString& statement) {
    QStringList texts;
    for (const QVariantList& row : readRows(backend, statement)) {
        texts.append(row.value(0).toString());
    }
    return texts;
}

void removeDatabaseFiles(const QString& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        QFile::remove(path + QLatin1String(suffix));
    }
}

// Solar-calendar dates as a running day number. Esfand is always given 29 days, so every date
// produced is valid in leap years too.
int daysInMonth(int month) {
    return month <= 6 ? 31 : (month <= 11 ? 30 : 29);
}

int dayNumber(int year, int month, int day) {
    int days = year * 365;
    for (int m = 1; m < month; ++m) {
        days += daysInMonth(m);
    }
    return days + day;
}

QString dateOfDayNumber(int number) {
    const int year = (number - 1) / 365;
    int rest = number - year * 365;
    int month = 1;
    while (rest > daysInMonth(month)) {
        rest -= daysInMonth(month);
        ++month;
    }
    return QStringLiteral("%1/%2/%3")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(rest, 2, 10, QLatin1Char('0'));
}

int dayNumberOf(const QString& date) {
    const QStringList parts = date.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3) {
        return 0;
    }
    return dayNumber(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

qlonglong roundAmount(double amount) {
    const double unit = amount >= 10'000'000 ? 100'000 : 1'000;
    return qlonglong(std::llround(amount / unit) * unit);
}

// The register's columns the generator writes, in the order of the insert statement.
const QStringList& assetColumns() {
    static const QStringList columns = {
        QStringLiteral("DaraCod"),    QStringLiteral("DaraNam"),     QStringLiteral("VezCod"),
        QStringLiteral("MadehCod"),   QStringLiteral("RaveshEst"),   QStringLiteral("Nozooli"),
        QStringLiteral("Salianeh"),   QStringLiteral("BahreDate"),   QStringLiteral("EndValue"),
        QStringLiteral("GarantiEnd"), QStringLiteral("Anbashteh"),   QStringLiteral("Esshat"),
        QStringLiteral("MakanCod"),   QStringLiteral("PersonelCod"), QStringLiteral("VazCod"),
        QStringLiteral("SakhtarCod"), QStringLiteral("PelakOld"),    QStringLiteral("PelakNew"),
        QStringLiteral("MadeDate"),   QStringLiteral("DKoll"),       QStringLiteral("DMoein"),
        QStringLiteral("DTafsily"),   QStringLiteral("DTafsily2"),   QStringLiteral("DProjectCod"),
        QStringLiteral("Koll"),       QStringLiteral("Moein"),       QStringLiteral("Tafsily"),
        QStringLiteral("Tafsily2"),   QStringLiteral("ProjectCod"),  QStringLiteral("HKoll"),
        QStringLiteral("HMoein"),     QStringLiteral("HTafsily"),    QStringLiteral("HTafsily2"),
        QStringLiteral("HProjectCod")};
    return columns;
}

int assetColumn(const char* name) {
    return int(assetColumns().indexOf(QLatin1String(name)));
}

int declaredLength(SqlBackend& backend, const QString& table, const QString& column, int fallback) {
    for (const ColumnInfo& info : backend.tableColumns(table)) {
        if (info.name.compare(column, Qt::CaseInsensitive) == 0 && info.size > 0) {
            return info.size;
        }
    }
    return fallback;
}

// Accumulated depreciation up to the company start date, by the asset's method.
double depreciationBefore(int startDay, int useDay, const QString& method, double rate, int years,
                          double value) {
    if (startDay <= 0 || useDay <= 0 || useDay >= startDay) {
        return 0;
    }
    const double elapsed = (startDay - useDay) / 365.0;
    if (method == QStringLiteral("مستقيم") && years > 0) {
        return value * std::min(1.0, elapsed / years);
    }
    if (method == QStringLiteral("نزولي") && rate > 0) {
        return value * (1 - std::pow(1 - rate / 100, elapsed));
    }
    return 0;
}

} // namespace

DatabaseSetup::DatabaseSetup(SqlBackend& backend) : backend_(backend) {}

QStringList DatabaseSetup::splitBatches(const QString& script) {
    QStringList texts;
    for (const Batch& batch : batchesOf(script)) {
        texts.append(batch.text);
    }
    return texts;
}

QString DatabaseSetup::embeddedScript(const QString& fileName) {
    QFile file(QStringLiteral(":/db/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception(QStringLiteral("No embedded database script named %1").arg(fileName));
    }
    return QString::fromUtf8(file.readAll());
}

void DatabaseSetup::fill(SqlBackend& backend, int extraAssets, int detailAccounts) {
    DatabaseSetup setup(backend);
    // One transaction for schema and demo rows: a failure leaves nothing behind, and on a file a
    // commit per batch would wait for the disk each time.
    backend.beginTransaction();
    try {
        setup.createSchema();
        setup.loadDemoData();
    } catch (...) {
        backend.rollback();
        throw;
    }
    backend.commit();
    if (extraAssets > 0) {
        setup.generateAssets(extraAssets);
    }
    setup.generateDetailAccounts(detailAccounts);
}

void DatabaseSetup::createDemoDatabase(const QString& path, int extraAssets, bool replace,
                                       int detailAccounts) {
    if (PgBackend::isUri(path)) {
        PgBackend backend(path);
        // A server's database is filled only when it holds no tables of its own yet.
        auto tables =
            backend.query(QStringLiteral("Select Name From SysObjects Where xtype = 'U' And Name <> "
                                         "'tsql_procedure'"));
        if (tables->next()) {
            throw Exception(QStringLiteral("%1 is not empty").arg(path));
        }
        fill(backend, extraAssets, detailAccounts);
        return;
    }
    const QFileInfo target(path);
    if (target.exists() && !replace) {
        throw Exception(QStringLiteral("%1 already exists").arg(path));
    }
    if (target.exists() && !target.isFile()) {
        throw Exception(QStringLiteral("%1 is not a file").arg(path));
    }
    if (!target.absoluteDir().exists()) {
        throw Exception(QStringLiteral("Folder %1 does not exist").arg(target.absolutePath()));
    }
    const QString building = path + QStringLiteral(".building");
    removeDatabaseFiles(building);
    try {
        SqliteBackend backend(building);
        fill(backend, extraAssets, detailAccounts);
    } catch (...) {
        removeDatabaseFiles(building);
        throw;
    }
    if (target.exists() && !QFile::remove(path)) {
        removeDatabaseFiles(building);
        throw Exception(QStringLiteral("Cannot replace %1").arg(path));
    }
    if (!QFile::rename(building, path)) {
        removeDatabaseFiles(building);
        throw Exception(QStringLiteral("Cannot create %1").arg(path));
    }
}

void DatabaseSetup::runScript(const QString& script, const QString& scriptName) {
    for (const Batch& batch : batchesOf(script)) {
        try {
            backend_.execute(batch.text);
        } catch (const EDatabaseError& error) {
            throw EDatabaseError(QStringLiteral("%1, batch at line %2: %3")
                                     .arg(scriptName)
                                     .arg(batch.firstLine)
                                     .arg(error.Message));
        }
    }
}

void DatabaseSetup::createSchema() {
    for (const QString& name : {QStringLiteral("schema.sql"), QStringLiteral("procedures.sql")}) {
        runScript(embeddedScript(name), name);
    }
}

void DatabaseSetup::loadDemoData() {
    const QString name = QStringLiteral("demo.sql");
    runScript(embeddedScript(name), name);
}

void DatabaseSetup::generateAssets(int count, quint32 seed) {
    if (count <= 0) {
        return;
    }
    const QString columnList = assetColumns().join(QStringLiteral(", "));
    const QList<QVariantList> models =
        readRows(backend_, QStringLiteral("Select %1 From D_Amval").arg(columnList));
    if (models.isEmpty()) {
        throw Exception(
            QStringLiteral("The asset register is empty: there is no asset to model new ones on"));
    }
    const QStringList people = readTexts(backend_, QStringLiteral("Select Code From Person"));
    const QStringList states =
        readTexts(backend_, QStringLiteral("Select VazCod From D_VazDarae Order By VazCod"));
    int startDay = 0;
    for (const QString& date : readTexts(backend_, QStringLiteral("Select Company_StartDate From Options"))) {
        startDay = std::max(startDay, dayNumberOf(date));
    }
    const int codeLength = declaredLength(backend_, QStringLiteral("D_Amval"), QStringLiteral("DaraCod"), 10);
    const int nameLength =
        declaredLength(backend_, QStringLiteral("D_Amval"), QStringLiteral("DaraNam"), 100);

    const int code = assetColumn("DaraCod"), name = assetColumn("DaraNam"), method = assetColumn("RaveshEst"),
              rate = assetColumn("Nozooli"), years = assetColumn("Salianeh"), use = assetColumn("BahreDate"),
              value = assetColumn("EndValue"), warranty = assetColumn("GarantiEnd"),
              accumulated = assetColumn("Anbashteh"), salvage = assetColumn("Esshat"),
              person = assetColumn("PersonelCod"), state = assetColumn("VazCod"),
              oldTag = assetColumn("PelakOld"), newTag = assetColumn("PelakNew"),
              made = assetColumn("MadeDate");

    qlonglong nextCode = 0;
    qlonglong nextTag = 100'000;
    for (const QVariantList& model : models) {
        nextCode = std::max(nextCode, model[code].toString().trimmed().toLongLong());
        nextTag = std::max(nextTag, model[newTag].toString().trimmed().toLongLong());
    }

    std::mt19937 random(seed);
    const auto pick = [&random](int size) { return std::uniform_int_distribution<int>(0, size - 1)(random); };
    const auto between = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const int firstUseDay = dayNumber(1385, 1, 1);
    const int lastUseDay = dayNumber(1403, 6, 31);
    QHash<int, int> modelUses;

    QStringList placeholders;
    for (qsizetype i = 0; i < assetColumns().size(); ++i) {
        placeholders.append(QStringLiteral("?"));
    }
    const QString insert = QStringLiteral("Insert Into D_Amval (%1) Values (%2)")
                               .arg(columnList, placeholders.join(QStringLiteral(", ")));

    backend_.beginTransaction();
    try {
        for (int i = 0; i < count; ++i) {
            const int modelIndex = pick(int(models.size()));
            QVariantList row = models[modelIndex];
            const int useDay = std::uniform_int_distribution<int>(firstUseDay, lastUseDay)(random);
            const int madeDay = useDay - std::uniform_int_distribution<int>(0, 45)(random);
            const QString madeDate = dateOfDayNumber(madeDay);
            const double modelValue = row[value].toDouble();
            const double newValue = double(roundAmount(modelValue * between(0.6, 1.6)));
            const int uses = modelUses[modelIndex]++;

            ++nextCode;
            row[code] = QString::number(nextCode).rightJustified(codeLength, QLatin1Char(' '), true);
            QString assetName = row[name].toString().trimmed() + QStringLiteral(" مدل ") + madeDate.left(4);
            if (uses > 0) {
                assetName += QStringLiteral(" شماره ") + QString::number(uses + 1);
            }
            row[name] = assetName.left(nameLength);
            row[use] = dateOfDayNumber(useDay);
            row[made] = madeDate;
            if (!row[warranty].toString().trimmed().isEmpty()) {
                row[warranty] = dateOfDayNumber(madeDay + 2 * 365);
            }
            row[value] = qlonglong(newValue);
            row[accumulated] =
                roundAmount(depreciationBefore(startDay, useDay, row[method].toString().trimmed(),
                                               row[rate].toDouble(), row[years].toInt(), newValue));
            row[salvage] = modelValue > 0 ? roundAmount(row[salvage].toDouble() / modelValue * newValue) : 0;
            if (!people.isEmpty()) {
                row[person] = people[pick(int(people.size()))];
            }
            if (!states.isEmpty()) {
                // Most assets of a working company are in use; the first state is "in use".
                row[state] = between(0, 1) < 0.85 ? states.first() : states[pick(int(states.size()))];
            }
            row[newTag] = QString::number(++nextTag);
            row[oldTag] = useDay < startDay ? QStringLiteral("A-") + QString::number(nextCode) : QString();
            backend_.execute(insert, row);
        }
        backend_.commit();
    } catch (...) {
        backend_.rollback();
        throw;
    }
}

void DatabaseSetup::generateDetailAccounts(int count, quint32 seed) {
    if (count <= 0) {
        return;
    }
    if (count > MaxDetailAccounts) {
        throw Exception(QStringLiteral("At most %1 detail accounts can be generated, not %2")
                            .arg(MaxDetailAccounts)
                            .arg(count));
    }
    const int codeLength = declaredLength(backend_, QStringLiteral("Tafsily"), QStringLiteral("Tafsily"), 5);
    const int groupLength =
        declaredLength(backend_, QStringLiteral("GrohTafsily"), QStringLiteral("TafsilyGrohCod"), 2);
    // Groups 10 and up stay clear of the hand-made ones and of the group lists of the chart.
    constexpr int firstGroup = 10;
    constexpr int perGroup = 999;
    const int groups = std::max(3, (count + perGroup - 1) / perGroup);

    static const QStringList firstNames = {
        QStringLiteral("علي"),  QStringLiteral("محمد"), QStringLiteral("حسين"),  QStringLiteral("رضا"),
        QStringLiteral("مهدي"), QStringLiteral("زهرا"), QStringLiteral("فاطمه"), QStringLiteral("مريم"),
        QStringLiteral("سارا"), QStringLiteral("احمد"), QStringLiteral("حميد"),  QStringLiteral("ناصر")};
    static const QStringList familyNames = {
        QStringLiteral("رضايي"), QStringLiteral("احمدي"), QStringLiteral("كريمي"), QStringLiteral("حسيني"),
        QStringLiteral("موسوي"), QStringLiteral("محمدي"), QStringLiteral("نوري"),  QStringLiteral("صادقي"),
        QStringLiteral("كاظمي"), QStringLiteral("رحيمي"), QStringLiteral("جعفري"), QStringLiteral("قاسمي")};
    static const QStringList trades = {QStringLiteral("بازرگاني"),  QStringLiteral("صنايع"),
                                       QStringLiteral("توليدي"),    QStringLiteral("خدمات فني"),
                                       QStringLiteral("حمل و نقل"), QStringLiteral("پخش")};
    static const QStringList places = {QStringLiteral("البرز"),   QStringLiteral("سپاهان"),
                                       QStringLiteral("خزر"),     QStringLiteral("زاگرس"),
                                       QStringLiteral("پارسيان"), QStringLiteral("آريا"),
                                       QStringLiteral("كوير"),    QStringLiteral("دماوند")};
    std::mt19937 random(seed);
    const auto pick = [&random](const QStringList& list) {
        return list[std::uniform_int_distribution<int>(0, int(list.size()) - 1)(random)];
    };
    const auto chance = [&random](double probability) {
        return std::uniform_real_distribution<double>(0, 1)(random) < probability;
    };
    const auto groupCode = [groupLength](int group) {
        return QString::number(firstGroup + group).rightJustified(groupLength, QLatin1Char('0'));
    };

    const QString insertGroup =
        QStringLiteral("Insert Into GrohTafsily (TafsilyGrohCod, TafsilyGrohNam) Values (?, ?)");
    const QString insertAccount = QStringLiteral("Insert Into Tafsily (Tafsily, NamHesab, RecogName, "
                                                 "IsActive, IsPosHesab, DesChar) Values (?, ?, ?, ?, ?, ?)");
    const QString insertRight =
        QStringLiteral("Insert Into UserPrivilege (UserId, TableName, FieldCode) Values (?, 'TAFSILY', ?)");
    backend_.beginTransaction();
    try {
        for (int group = 0; group < groups; ++group) {
            backend_.execute(insertGroup,
                             {groupCode(group), QStringLiteral("طرف حسابهاي گروه ") + groupCode(group)});
        }
        for (int i = 0; i < count; ++i) {
            const QString code =
                groupCode(i % groups) +
                QString::number(i / groups + 1).rightJustified(codeLength - groupLength, QLatin1Char('0'));
            const bool person = chance(0.6);
            const QString name =
                person ? pick(firstNames) + QLatin1Char(' ') + pick(familyNames)
                       : QStringLiteral("شركت ") + pick(trades) + QLatin1Char(' ') + pick(places);
            backend_.execute(insertAccount,
                             {code, name, person ? QStringLiteral("بد") : QStringLiteral("بس"),
                              chance(0.05) ? QStringLiteral("غيرفعال") : QStringLiteral("فعال"),
                              QStringLiteral("آزاد"), QStringLiteral("ريالي")});
            backend_.execute(insertRight, {QStringLiteral("1"), code});
            if (chance(0.9)) {
                backend_.execute(insertRight, {QStringLiteral("2"), code});
            }
        }
        backend_.commit();
    } catch (...) {
        backend_.rollback();
        throw;
    }
}

} // namespace tarvand::sql
