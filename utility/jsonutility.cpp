#include "utility/jsonutility.h"

#include "utility/logging.h"
#include "utility/atomicfilewriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QVariantList>

namespace {

// QML reads a null pointer as null; an invalid variant would be undefined.
QVariant nullValue()
{
    return QVariant(QMetaType::VoidStar, nullptr);
}

QByteArray toJson(const QVariantMap &map, QJsonDocument::JsonFormat format)
{
    return QJsonDocument::fromVariant(JsonUtility::withoutInvalidValues(map)).toJson(format);
}

}

QVariantMap JsonUtility::toVariantMap(const QByteArray &json, bool restoreNulls)
{
    if (json.isEmpty())
        return QVariantMap();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (!document.isObject()) {
        qCDebug(lcUtility) << Q_FUNC_INFO << "Error" << int(error.error) << "Offset" << error.offset
                           << error.errorString();
        return QVariantMap();
    }

    QVariantMap map = document.object().toVariantMap();
    if (restoreNulls)
        JsonUtility::restoreNulls(map);
    return map;
}

QVariantMap JsonUtility::toVariantMap(const QString &json)
{
    if (json.isEmpty())
        return QVariantMap();
    // Text without the word cannot hold a JSON null, so the walk is skipped.
    return toVariantMap(json.toUtf8(), json.contains(QLatin1String("null"), Qt::CaseInsensitive));
}

QString JsonUtility::toCompactJson(const QVariantMap &map)
{
    return QString::fromUtf8(toJson(map, QJsonDocument::Compact));
}

QByteArray JsonUtility::toIndentedJson(const QVariantMap &map)
{
    return toJson(map, QJsonDocument::Indented);
}

bool JsonUtility::writeJsonFile(const QString &path, const QVariantMap &map)
{
    // A document replaces the file only once it is whole on disk.
    return AtomicFileWriter::write(path, toIndentedJson(map));
}

QVariantMap JsonUtility::withoutInvalidValues(const QVariantMap &map)
{
    QVariantMap result;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QVariant &value = it.value();
        if (!value.isValid())
            continue;
        if (value.canConvert<QVariantMap>())
            result.insert(it.key(), withoutInvalidValues(value.toMap()));
        else
            result.insert(it.key(), value);
    }
    return result;
}

void JsonUtility::restoreNulls(QVariantMap &map)
{
    for (auto it = map.begin(); it != map.end(); ++it) {
        QVariant &value = it.value();
        if (!value.isValid()) {
            value = nullValue();
        } else if (value.canConvert<QVariantList>()) {
            QVariantList list = value.toList();
            for (QVariant &element : list) {
                if (element.canConvert<QVariantMap>()) {
                    QVariantMap inner = element.toMap();
                    restoreNulls(inner);
                    element = inner;
                }
            }
            value = list;
        } else if (value.canConvert<QVariantMap>()) {
            QVariantMap inner = value.toMap();
            restoreNulls(inner);
            value = inner;
        }
    }
}
