// SPDX-FileCopyrightText: 2026 Kozmat team <kozmat@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

// A buffer integration for Qt 6.4's Wayland client that starts nothing. That Qt asks its buffer
// integration, as each window is shown, whether a window may wear a frame that Qt draws itself
// (QWaylandWindow::createDecoration, QWaylandDisplay::supportsWindowDecoration), even where the
// compositor draws the frames; its only one, wayland-egl, must open an EGL display to be asked
// at all, which loads Mesa's driver with LLVM (about 50 MB), though all of our windows are drawn
// in software into shared memory and so are Qt's frames. This one says yes and holds nothing.
// Later Qt releases ask without starting an integration. platform::leaveOpenGLUnloaded()
// chooses it.
#include <QtCore/QObject>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/qplugin.h>
#include <QtWaylandClient/qtwaylandclientglobal.h>

class QWindow;
class QPlatformOpenGLContext;
class QSurfaceFormat;

// The two classes of the plugin interface, as Qt 6.4.2 declares them in its private headers,
// which Debian does not ship: their virtual functions in Qt's order.
namespace QtWaylandClient {

class QWaylandWindow;
class QWaylandDisplay;

class Q_WAYLANDCLIENT_EXPORT QWaylandClientBufferIntegration {
public:
    QWaylandClientBufferIntegration();
    virtual ~QWaylandClientBufferIntegration();
    virtual void initialize(QWaylandDisplay* display) = 0;
    virtual bool isValid() const { return true; }
    virtual bool supportsThreadedOpenGL() const { return false; }
    virtual bool supportsWindowDecoration() const { return false; }
    virtual QWaylandWindow* createEglWindow(QWindow* window) = 0;
    virtual QPlatformOpenGLContext*
    createPlatformOpenGLContext(const QSurfaceFormat& glFormat,
                                QPlatformOpenGLContext* share) const = 0;
    enum NativeResource { EglDisplay, EglConfig, EglContext };
    virtual void* nativeResource(NativeResource) { return nullptr; }
    virtual void* nativeResourceForContext(NativeResource, QPlatformOpenGLContext*) {
        return nullptr;
    }
};

// Without Q_OBJECT, so that moc makes no second copy of its meta-object: Qt finds the plugin
// by the library's own.
class Q_WAYLANDCLIENT_EXPORT QWaylandClientBufferIntegrationPlugin : public QObject {
public:
    static const QMetaObject staticMetaObject;
    const QMetaObject* metaObject() const override;
    void* qt_metacast(const char* name) override;
    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;
    explicit QWaylandClientBufferIntegrationPlugin(QObject* parent = nullptr);
    ~QWaylandClientBufferIntegrationPlugin() override;
    virtual QWaylandClientBufferIntegration* create(const QString& key,
                                                    const QStringList& paramList) = 0;
};

} // namespace QtWaylandClient

namespace {

class SoftwareBuffers final : public QtWaylandClient::QWaylandClientBufferIntegration {
public:
    void initialize(QtWaylandClient::QWaylandDisplay*) override {}
    bool supportsWindowDecoration() const override { return true; }
    // No OpenGL: a window or context that asks for it is refused.
    QtWaylandClient::QWaylandWindow* createEglWindow(QWindow*) override { return nullptr; }
    QPlatformOpenGLContext* createPlatformOpenGLContext(const QSurfaceFormat&,
                                                        QPlatformOpenGLContext*) const override {
        return nullptr;
    }
};

} // namespace

class SoftwareBuffersPlugin : public QtWaylandClient::QWaylandClientBufferIntegrationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.WaylandClient.QWaylandClientBufferIntegrationFactory"
                          "Interface.5.3" FILE "softwarebuffers.json")
public:
    QtWaylandClient::QWaylandClientBufferIntegration* create(const QString&,
                                                             const QStringList&) override {
        return new SoftwareBuffers;
    }
};

#include "softwarebuffers.moc"
