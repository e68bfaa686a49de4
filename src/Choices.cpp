#include "Choices.h"

#include "Exceptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Kept as JSON text, which reads the same in an INI file and in the registry.
QJsonObject read(const Setting<QString> &kept)
{
    return QJsonDocument::fromJson(kept.value().toUtf8()).object();
}

void write(const Setting<QString> &kept, const QJsonObject &value)
{
    kept.set(QString::fromUtf8(QJsonDocument(value).toJson(QJsonDocument::Compact)));
    settings().sync();
}

} // namespace

QSettings &settings()
{
    static QSettings kept(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Eortologio"), QStringLiteral("eortologio"));
    return kept;
}

ContactChoices contactChoices()
{
    ContactChoices choices;
    const QJsonObject all = read(setting::contactChoices);
    for (auto i = all.begin(); i != all.end(); ++i) {
        const QJsonObject c = i.value().toObject();
        choices.insert(i.key(),
            {c[u"names"].toVariant().toStringList(), c[u"days"].toVariant().toStringList(), c[u"month"].toInt(),
                c[u"day"].toInt(), c[u"hidden"].toBool(), c[u"noBirthday"].toBool()});
    }
    return choices;
}

void setContactChoice(const QString &key, const ContactChoice &choice)
{
    QJsonObject all = read(setting::contactChoices);
    if (choice == ContactChoice {})
        all.remove(key);
    else
        all.insert(key,
            QJsonObject {{QStringLiteral("names"), QJsonArray::fromStringList(choice.names)},
                {QStringLiteral("days"), QJsonArray::fromStringList(choice.days)},
                {QStringLiteral("month"), choice.month}, {QStringLiteral("day"), choice.day},
                {QStringLiteral("hidden"), choice.hidden}, {QStringLiteral("noBirthday"), choice.noBirthday}});
    write(setting::contactChoices, all);
}

bool showBirthdays()
{
    return setting::birthdays.value();
}

void setShowBirthdays(bool on)
{
    setting::birthdays.set(on);
}

QList<OwnName> ownNames()
{
    QList<OwnName> names;
    const QJsonArray all = read(setting::ownNames)[u"names"].toArray();
    for (const QJsonValue &value : all) {
        const QJsonObject n = value.toObject();
        names.append({n[u"name"].toString(), n[u"month"].toInt(), n[u"day"].toInt(),
            n[u"woman"].toBool() ? Gender::Woman : Gender::Man});
    }
    return names;
}

void setOwnNames(const QList<OwnName> &names)
{
    NameDayTable::setOwnNames(names); // refuses what is not a name or a day
    QJsonArray all;
    for (const OwnName &n : names)
        all.append(QJsonObject {{QStringLiteral("name"), n.name.simplified()}, {QStringLiteral("month"), n.month},
            {QStringLiteral("day"), n.day}, {QStringLiteral("woman"), n.gender == Gender::Woman}});
    write(setting::ownNames, QJsonObject {{QStringLiteral("names"), all}});
}

void useOwnNames()
{
    QList<OwnName> kept;
    for (const OwnName &name : ownNames()) {
        try {
            NameDayTable::setOwnNames(kept + QList {name});
            kept << name;
        } catch (const Exception &) { } // edited by hand into something else
    }
    NameDayTable::setOwnNames(kept);
}
