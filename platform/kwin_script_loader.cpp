#include "platform/kwin_script_loader.h"

#include "storage/log_categories.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

const char *const KWinScriptLoader::kPluginName = "mousecfg-focus";

namespace {

QDBusMessage scriptingCall(const QString &method, const QVariantList &args)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
                                                       QStringLiteral("org.kde.kwin.Scripting"), method);
    call.setArguments(args);
    return call;
}

} // namespace

KWinScriptLoader::KWinScriptLoader(QDBusConnection bus, const QString &scriptPath, QObject *parent)
    : QObject(parent), m_Bus(bus), m_ScriptPath(scriptPath)
{
}

KWinScriptLoader::~KWinScriptLoader()
{
    // A script left running would report to a name nobody holds until the next login.
    if (m_bLoaded)
        m_Bus.send(scriptingCall(QStringLiteral("unloadScript"), {QString::fromLatin1(kPluginName)}));
}

void KWinScriptLoader::load()
{
    call(QStringLiteral("unloadScript"), {QString::fromLatin1(kPluginName)}, &KWinScriptLoader::afterUnload);
}

void KWinScriptLoader::call(const QString &method, const QVariantList &args,
                            void (KWinScriptLoader::*next)(const QDBusMessage &))
{
    auto *watcher = new QDBusPendingCallWatcher(m_Bus.asyncCall(scriptingCall(method, args)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, next] {
        watcher->deleteLater();
        (this->*next)(watcher->reply());
    });
}

void KWinScriptLoader::afterUnload(const QDBusMessage &reply)
{
    // False (nothing was loaded) is the usual answer; only no answer at all stops here.
    if (reply.type() != QDBusMessage::ReplyMessage) {
        fail(QStringLiteral("unloadScript"), reply);
        return;
    }
    call(QStringLiteral("loadScript"), {m_ScriptPath, QString::fromLatin1(kPluginName)}, &KWinScriptLoader::afterLoad);
}

void KWinScriptLoader::afterLoad(const QDBusMessage &reply)
{
    // The script's id, or -1 when KWin refused it.
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().value(0).toInt() < 0) {
        fail(QStringLiteral("loadScript"), reply);
        return;
    }
    m_bLoaded = true;
    call(QStringLiteral("start"), {}, &KWinScriptLoader::afterStart);
}

void KWinScriptLoader::afterStart(const QDBusMessage &reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage) {
        fail(QStringLiteral("start"), reply);
        return;
    }
    qCDebug(lcPlatform).noquote() << "KWin runs the focus script" << m_ScriptPath;
    emit finished(true);
}

void KWinScriptLoader::fail(const QString &step, const QDBusMessage &reply)
{
    qCWarning(lcPlatform).noquote() << "KWin did not take the focus script" << m_ScriptPath << "(" << step << ":"
                                    << (reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage()
                                                                                   : QStringLiteral("refused"))
                                    << "): automatic profile switching follows nothing";
    emit finished(false);
}
