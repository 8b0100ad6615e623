import QtQml 2.12 as QtQml

// QML's own category type: console.log and its kin take only that one as
// their first argument.
QtQml.LoggingCategory {
    id: root
}
