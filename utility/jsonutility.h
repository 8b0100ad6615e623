#ifndef LOOMWRIGHT_JSONUTILITY_H
#define LOOMWRIGHT_JSONUTILITY_H

#include <QByteArray>
#include <QString>
#include <QVariantMap>

// Conversions between JSON and the variant maps that QML exchanges with the
// plugin. Invalid values are dropped on the way out; on the way in, JSON
// nulls can be turned into values that QML reads as null.
class JsonUtility
{
public:
    static QVariantMap toVariantMap(const QByteArray &json, bool restoreNulls);
    static QVariantMap toVariantMap(const QString &json);
    static QString toCompactJson(const QVariantMap &map);
    static QByteArray toIndentedJson(const QVariantMap &map);
    static bool writeJsonFile(const QString &path, const QVariantMap &map);

    static QVariantMap withoutInvalidValues(const QVariantMap &map);
    static void restoreNulls(QVariantMap &map);
};

#endif
