#include <QtTest>

#include "app/browser/EngineSettings.h"
#include "app/browser/EngineSetup.h"

namespace {

CCommandLine Line(const QStringList& arguments) {
    std::vector<std::string> list;
    for (const QString& argument : arguments) list.push_back(argument.toStdString());
    return CCommandLine(list);
}

ENGINE_SETTINGS Engine(const QStringList& arguments, std::optional<ClientApp>* app = nullptr) {
    ENGINE_SETTINGS settings;
    std::optional<ClientApp> made;
    BuildEngineSettings(Line(arguments), "/data", settings, made);
    if (app) *app = made;
    return settings;
}

}  // namespace

class EngineSettingsTest : public QObject {
    Q_OBJECT
private slots:
    void commandLineSplitsSwitchesFromArguments() {
        const CCommandLine line = Line({"--cache-path=/c", "-locale=de", "--pack-loading-disabled", "site.quillora",
                                        "--", "--not-a-switch"});
        QCOMPARE(QString::fromStdString(line.GetSwitchValue("cache-path")), QString("/c"));
        QCOMPARE(QString::fromStdString(line.GetSwitchValue("locale")), QString("de"));
        QVERIFY(line.HasSwitch("pack-loading-disabled"));
        QVERIFY(!line.HasSwitch("not-a-switch"));
        QCOMPARE(line.Arguments().size(), size_t(2));
    }

    void logSeverity_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("severity");
        QTest::newRow("absent") << QStringList{} << 2;
        QTest::newRow("verbose") << QStringList{"--log-severity=verbose"} << -1;
        QTest::newRow("capital Verbose") << QStringList{"--log-severity=Verbose"} << 2;
        QTest::newRow("info") << QStringList{"--log-severity=info"} << 0;
        QTest::newRow("warning") << QStringList{"--log-severity=warning"} << 1;
        QTest::newRow("error-report") << QStringList{"--log-severity=error-report"} << 3;
        QTest::newRow("disable") << QStringList{"--log-severity=disable"} << 99;
        QTest::newRow("nonsense") << QStringList{"--log-severity=loud"} << 2;
    }
    void logSeverity() {
        QFETCH(QStringList, arguments);
        QFETCH(int, severity);
        QCOMPARE(Engine(arguments).logSeverity, severity);
    }

    void graphicsImplementation_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("angle") << "angle" << 0;
        QTest::newRow("angle-command-buffer") << "angle-command-buffer" << 1;
        QTest::newRow("desktop") << "desktop" << 2;
        QTest::newRow("desktop-command-buffer") << "desktop-command-buffer" << 3;
        QTest::newRow("unknown leaves 0") << "opengl" << 0;
    }
    void graphicsImplementation() {
        QFETCH(QString, value);
        QFETCH(int, expected);
        QCOMPARE(Engine({"--graphics-implementation=" + value}).graphicsImplementation, expected);
    }

    void valuesAndPresence() {
        const ENGINE_SETTINGS s = Engine({"--multi-threaded-message-loop", "--user-agent=UA 1", "--local-storage-quota=12x",
                                          "--session-storage-quota=x", "--uncaught-exception-stack-size=7",
                                          "--javascript-flags=--harmony", "--release-dcheck-enabled"});
        QVERIFY(s.multiThreadedMessageLoop);
        QVERIFY(s.releaseDcheckEnabled);
        QVERIFY(!s.packLoadingDisabled);
        QCOMPARE(QString::fromStdString(s.userAgent), QString("UA 1"));
        QCOMPARE(s.localStorageQuota, 12u);
        QCOMPARE(s.sessionStorageQuota, 0u);
        QCOMPARE(s.uncaughtExceptionStackSize, 7);
        QCOMPARE(QString::fromStdString(s.javascriptFlags), QString("--harmony"));
        QCOMPARE(QString::fromStdString(s.logFile), QString("/data/log/cef.log"));
    }

    void proxy_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("created");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("config");
        QTest::newRow("none") << QStringList{} << false << 0 << "";
        QTest::newRow("direct") << QStringList{"--proxy-type=direct", "--proxy-config=ignored"} << true << 0 << "";
        QTest::newRow("named") << QStringList{"--proxy-type=named", "--proxy-config=host:8080"} << true << 1
                               << "host:8080";
        QTest::newRow("pac") << QStringList{"--proxy-type=pac", "--proxy-config=http://p/x.pac"} << true << 2
                             << "http://p/x.pac";
        QTest::newRow("pac without config") << QStringList{"--proxy-type=pac"} << false << 0 << "";
        QTest::newRow("named empty config") << QStringList{"--proxy-type=named", "--proxy-config="} << false << 0 << "";
        QTest::newRow("unknown type") << QStringList{"--proxy-type=socks", "--proxy-config=h"} << false << 0 << "";
    }
    void proxy() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, created);
        QFETCH(int, type);
        QFETCH(QString, config);
        std::optional<ClientApp> app;
        Engine(arguments, &app);
        QCOMPARE(app.has_value(), created);
        if (!app) return;
        QCOMPARE(app->proxyType, type);
        QCOMPARE(QString::fromStdString(app->proxyConfig), config);
    }

    void proxyBecomesChromiumFlags() {
        ENGINE_SETTINGS settings;
        QVERIFY(ChromiumFlagsFor(settings, ClientApp{ClientApp::Direct, ""}).contains("--no-proxy-server"));
        QVERIFY(ChromiumFlagsFor(settings, ClientApp{ClientApp::Named, "h:1"}).contains("--proxy-server=h:1"));
        QVERIFY(ChromiumFlagsFor(settings, ClientApp{ClientApp::PacString, "u"}).contains("--proxy-pac-url=u"));
        settings.locale = "fr";
        settings.logSeverity = 99;
        const QStringList flags = ChromiumFlagsFor(settings, std::nullopt);
        QVERIFY(flags.contains("--lang=fr"));
        QVERIFY(flags.contains("--disable-logging"));
    }

    void browserSettings() {
        BROWSER_SETTINGS s;
        BuildBrowserSettings(Line({"--javascript-disabled", "--animation-frame-rate=30", "--default-encoding=latin1",
                                   "--user-style-sheet-location=file:///u.css", "--fullscreen-enabled"}),
                             s);
        QVERIFY(s.javascriptDisabled);
        QVERIFY(s.fullscreenEnabled);
        QVERIFY(!s.webglDisabled);
        QCOMPARE(s.animationFrameRate, 30);
        QCOMPARE(QString::fromStdString(s.defaultEncoding), QString("latin1"));
        QCOMPARE(QString::fromStdString(s.userStyleSheetLocation), QString("file:///u.css"));
        BROWSER_SETTINGS empty;
        BuildBrowserSettings(Line({}), empty);
        QCOMPARE(empty.animationFrameRate, 0);
        QVERIFY(!empty.javascriptDisabled);
    }
};

QTEST_GUILESS_MAIN(EngineSettingsTest)
#include "EngineSettings_test.moc"
