import QtWebEngine 1.10

// A web page view: url, title, loading, loadProgress and the
// loadingChanged(loadRequest) notification come from the engine's view.
WebEngineView {
    id: root
}
