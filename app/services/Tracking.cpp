#include "app/services/Tracking.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QUrl>

namespace {

// The statistics address; QUILLORA_STATS_URL replaces it, and an empty value
// switches the events off.
QString StatisticsAddress() {
    if (qEnvironmentVariableIsSet("QUILLORA_STATS_URL")) return qEnvironmentVariable("QUILLORA_STATS_URL");
    return "http://stats.quillora.app/count";
}

QNetworkAccessManager& Network() {
    static QNetworkAccessManager* network = new QNetworkAccessManager;
    return *network;
}

}  // namespace

QString TrackingAddress(const QString& category, const QString& action, const QString& label, int value) {
    const QString address = StatisticsAddress();
    if (address.isEmpty()) return {};
    return address + QString("?cat=%1&act=%2&label=%3&v=%4&rand=%5")
                         .arg(category, action, label)
                         .arg(value)
                         .arg(QRandomGenerator::global()->bounded(32768));
}

void TrackEventAsync(const QString& category, const QString& action, const QString& label, int value) {
    const QString address = TrackingAddress(category, action, label, value);
    if (address.isEmpty()) return;
    QNetworkRequest request{QUrl(address)};
    request.setTransferTimeout(30000);
    QNetworkReply* reply = Network().get(request);
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}
