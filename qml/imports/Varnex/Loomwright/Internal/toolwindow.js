.pragma library

// What the older tool window does that is not about items on the screen:
// finding a help file in the user's language, reading "tool://" links, the
// app grid's column rule, right-to-left languages, ROT13. Plain functions,
// so that the window shell of the Controls module can use them as well.

var toolScheme = "tool://"

// The help file for `prefix` (a path relative to the HTML folder, e.g.
// "html/toolSummary") in the language `localeName` ("de_DE" or "de-DE"):
//   prefix_de_DE.html, else prefix_de.html, else the first file of the
//   prefix's folder named like prefix_de_??.html, else prefix_en.html.
// `htmlFolder` is a FileFolder; `folderOf(path)` makes one for another
// folder (Hostkit.fileFolder).
function helpFileName(prefix, localeName, htmlFolder, folderOf) {
    var name = localeName === undefined || localeName === null ? "" : String(localeName).replace(/-/g, "_")
    var language = name.substring(0, 2)
    var candidate = prefix + "_" + name + ".html"
    if (name !== "" && htmlFolder && htmlFolder.fileExists(candidate))
        return candidate
    candidate = prefix + "_" + language + ".html"
    if (language !== "" && htmlFolder && htmlFolder.fileExists(candidate))
        return candidate
    if (language !== "" && htmlFolder && typeof folderOf === "function") {
        var slash = prefix.lastIndexOf("/")
        var subfolder = slash >= 0 ? prefix.substring(0, slash) : ""
        var folder = subfolder !== "" ? folderOf(htmlFolder.filePath(subfolder)) : htmlFolder
        var names = folder ? folder.fileNames(prefix.substring(slash + 1) + "_" + language + "_??.html") : []
        if (names.length > 0)
            return (subfolder !== "" ? subfolder + "/" : "") + names[0]
    }
    return prefix + "_en.html"
}

function isToolLink(link) {
    return String(link).indexOf(toolScheme) === 0
}

// Why the tool name of a "tool://NAME" link must not be started, or "" when
// it may. The name becomes a file name in the suite's tools folder: it may
// not leave that folder nor name the folder itself.
function toolNameProblem(name) {
    var text = name === undefined || name === null ? "" : String(name)
    if (text === "")
        return "no tool name"
    if (text.indexOf("/") >= 0 || text.indexOf("\\") >= 0)
        return "a path separator in the tool name"
    if (text.indexOf("..") >= 0)
        return "\"..\" in the tool name"
    if (/[\u0000-\u001f\u007f]/.test(text))
        return "a control character in the tool name"
    return ""
}

// The columns of the older app grid for a grid `width`, cells about
// `referenceWidth` wide with `margin` around them (both in pixels):
// the rounded share of the width, at least one; one more when the cells
// would be wider than a padded cell, then one fewer again when that leaves
// them narrower than three quarters of it.
function columnCount(width, referenceWidth, margin) {
    if (!(width > 0) || !(referenceWidth > 0))
        return 1
    var padded = referenceWidth + (margin > 0 ? margin : 0)
    var columns = Math.max(1, Math.round(width / referenceWidth))
    if (width / columns > padded)
        ++columns
    if (columns > 1 && width / columns < 0.75 * padded)
        --columns
    return columns
}

// Whether the first of the user-interface `languages` (BCP 47 names such as
// "he-IL") is written right to left: listed in `rightToLeft` itself, or by
// its language alone ("ar" covers "ar-EG").
function isRightToLeft(languages, rightToLeft) {
    if (!languages || languages.length === 0 || !rightToLeft)
        return false
    var first = String(languages[0]).replace(/_/g, "-")
    var list = []
    for (var i = 0; i < rightToLeft.length; ++i)
        list.push(String(rightToLeft[i]).replace(/_/g, "-").toLowerCase())
    var lower = first.toLowerCase()
    return list.indexOf(lower) >= 0 || list.indexOf(lower.split("-")[0]) >= 0
}

function rot13(text) {
    return String(text === undefined || text === null ? "" : text).replace(/[A-Za-z]/g, function (letter) {
        var base = letter <= "Z" ? 65 : 97
        return String.fromCharCode((letter.charCodeAt(0) - base + 13) % 26 + base)
    })
}

// Text for a rich-text attribute or element: a value from the settings
// must not add markup of its own.
function escapeHtml(text) {
    return String(text === undefined || text === null ? "" : text)
        .replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;").replace(/"/g, "&quot;")
}

// The portal search of a window's app list: the user's apps, those shared
// with the user or the organisation, the public ones of the suite's group
// (left out without a group) and of the user's organisation.
function gallerySearchQuery(publicGroupId, orgId) {
    var group = publicGroupId === undefined || publicGroupId === null ? "" : String(publicGroupId)
    var org = orgId === undefined || orgId === null ? "" : String(orgId)
    return "((type:\"Native Application\" AND NOT type:\"Native Application Installer\") OR "
            + "(tags:\"app\" AND tags:\"qml\" AND type:\"Code Sample\")) AND "
            + "(access:shared OR access:private OR access:org OR "
            + (group !== "" ? "(group:" + group + " AND access:public) OR " : "")
            + "(orgid:" + org + " AND access:public))"
}
