.pragma library

// What the app window and its tool actions share about the hosting tool: the
// names it puts into its QML context (`commandLine`, `productVersion`,
// `toolsPath`, `localeOptionName`, `highDpiOptionName`,
// `useExternalCodeEditor`), the settings keys of the tools, and how a tool's
// command line is taken apart. A script library cannot see the context, so
// the components read the names themselves (`typeof name` tells a missing
// one) and hand what they found to these functions.

// Names already reported missing, for the whole engine: a tool without a
// command line would otherwise say so at every action.
var reported = {}

// Says once per engine that the hosting tool lacks a context name; the
// callers then go on as with no arguments. Returns undefined.
function missing(name) {
    if (!reported[name]) {
        reported[name] = true
        console.warn("The hosting tool provides no context name \"" + name + "\": going on without it")
    }
    return undefined
}

// The positional arguments of a command-line object, always a list.
function positionalArguments(commandLine) {
    if (!commandLine || commandLine.positionalArguments === undefined || commandLine.positionalArguments === null)
        return []
    var list = commandLine.positionalArguments
    var result = []
    for (var i = 0; i < list.length; ++i)
        result.push(list[i] === undefined || list[i] === null ? "" : String(list[i]))
    return result
}

// "--name value" of an option of the hosting tool's command line, when the
// tool was started with it; otherwise an empty list.
function optionArguments(commandLine, name) {
    if (!commandLine || !name || typeof commandLine.isSet !== "function" || !commandLine.isSet(name))
        return []
    var value = typeof commandLine.value === "function" ? commandLine.value(name) : ""
    return ["--" + name, value === undefined || value === null ? "" : String(value)]
}

function toolKey(toolName, subKey) {
    return "Tool-" + toolName + "/" + subKey
}

// Takes a command line apart into the program and its arguments the way a
// shell does: blanks separate words, quotes keep a word together. Single
// quotes take everything up to the next single quote literally; double
// quotes do too, except that a backslash there escapes a double quote (and,
// on POSIX systems, a backslash, "$" and "`"). Outside quotes a backslash
// escapes the next character on POSIX systems; on Windows it separates
// folders and stays as it is. Returns the words, or null when a quote is
// left open.
function splitCommandLine(text, windows) {
    var words = []
    var word = ""
    var inWord = false
    var quote = ""
    var source = text === undefined || text === null ? "" : String(text)
    for (var i = 0; i < source.length; ++i) {
        var c = source.charAt(i)
        var next = i + 1 < source.length ? source.charAt(i + 1) : ""
        if (quote === "'") {
            if (c === "'")
                quote = ""
            else
                word += c
        } else if (quote === "\"") {
            if (c === "\"") {
                quote = ""
            } else if (c === "\\" && (next === "\"" || (!windows && (next === "\\" || next === "$" || next === "`")))) {
                word += next
                ++i
            } else {
                word += c
            }
        } else if (c === " " || c === "\t" || c === "\n" || c === "\r") {
            if (inWord) {
                words.push(word)
                word = ""
                inWord = false
            }
        } else if (c === "'" || c === "\"") {
            quote = c
            inWord = true
        } else if (c === "\\" && !windows && next !== "") {
            word += next
            inWord = true
            ++i
        } else {
            word += c
            inWord = true
        }
    }
    if (quote !== "")
        return null
    if (inWord)
        words.push(word)
    return words
}
