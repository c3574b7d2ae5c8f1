// SPDX-License-Identifier: MIT
// The viewer's local socket with two processes: a second start with /GOTO hands its reference to
// the viewer listening and ends; the socket is the user's alone; malformed requests are ignored.

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "gui/app/instance_channel.h"

using namespace qorl::gui;

class InstanceChannelTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // A runtime folder of the test's own, as the system gives one: the user's only.
    QVERIFY(runtime_.isValid());
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
  }

  void secondStartHandsItsLookupOver() {
    const QString viewer = QORL_VIEWER_PATH;
    if (viewer.isEmpty() || !QFile::exists(viewer)) QSKIP("the viewer was not built");
    InstanceServer server;
    QVERIFY(server.listen());
    QVERIFY(InstanceSocketName().startsWith(runtime_.path()));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    QCOMPARE(QFile::permissions(InstanceSocketName()) & others, QFile::Permissions());
    QSignalSpy requests(&server, &InstanceServer::gotoRequested);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", runtime_.path());
    second.setProcessEnvironment(environment);
    second.start(viewer, {"-goto", "int 21 ah=4c"});
    // The event loop runs while waiting, so that this process can answer.
    QTRY_COMPARE_WITH_TIMEOUT(requests.count(), 1, 120000);
    QCOMPARE(requests.at(0).at(0).toString(), "int 21 ah=4c");
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 120000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    // A second server of the same user does not take the socket over.
    InstanceServer other;
    QVERIFY(!other.listen());
  }

  void malformedRequestsAreIgnored() {
    InstanceServer server;
    QVERIFY(server.listen());
    QSignalSpy requests(&server, &InstanceServer::gotoRequested);
    const QList<QByteArray> malformed = {"HELLO\n", "GOTO \n", "GOTO \xff\xfe\n",
                                         "GOTO " + QByteArray(1100, 'x') + "\n",
                                         QByteArray(2000, 'y')};
    for (const QByteArray& bytes : malformed) {
      QLocalSocket socket;
      socket.connectToServer(InstanceSocketName());
      QVERIFY(socket.waitForConnected(5000));
      socket.write(bytes);
      socket.flush();
      QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QLocalSocket::UnconnectedState, 20000);
    }
    QCOMPARE(requests.count(), 0);
    // The server still answers a good request.
    QLocalSocket socket;
    socket.connectToServer(InstanceSocketName());
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GOTO #01378\n");
    QByteArray answer;
    QTRY_VERIFY_WITH_TIMEOUT((answer += socket.readAll()) == "OK\n", 20000);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toString(), "#01378");
  }

 private:
  QTemporaryDir runtime_;
};

QTEST_MAIN(InstanceChannelTest)
#include "instance_channel_test.moc"
