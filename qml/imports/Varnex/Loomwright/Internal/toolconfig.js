.pragma library

// What both tool configurations share (AppToolConfig of Controls and the
// older one of Private): how a tool names the system it runs on, identifies
// the device and introduces itself to the portal. The functions keep
// nothing; each configuration hands in its settings store, itself (for its
// platform, system and application) and the host SDK, which a script
// library cannot import.

function osPrettyName(os) {
    switch (os) {
    case "osx":
    case "macos":
        return "macOS"
    case "android":
        return "Android"
    case "ios":
        return "iOS"
    case "windows":
        return "Windows"
    case "linux":
        return "Linux"
    case "tvos":
        return "tvOS"
    case "unix":
        return "Unix Other"
    case "winrt":
        return "WinRT | UWP"
    }
    return "Unknown OS"
}

// A stored empty text counts as missing: an empty portal URL or group
// identifier would only make every later request fail.
function readText(settings, key, defaultValue) {
    var value = settings.value(key, defaultValue)
    return value === undefined || value === null || String(value) === "" ? defaultValue : String(value)
}

// The device identifier, made and stored on the first run.
function readUdid(settings, hostkit) {
    var id = readText(settings, "udid", "")
    if (id === "") {
        id = hostkit.uuid(2)
        settings.setValue("udid", id)
    }
    return id
}

function orPlaceholder(value, placeholder) {
    return value === undefined || value === null || String(value) === "" ? placeholder : String(value)
}

// The user-agent text of the configuration `config` for the device `udid`.
function userAgent(config, hostkit, udid) {
    var info = config.systemInformation || ({})
    var localeInfo = config.localeInfo
    var values = [
        "Hostkit",
        hostkit.version,
        osPrettyName(config.platform),
        orPlaceholder(info.osVersion, "_osVersion"),
        orPlaceholder(localeInfo ? localeInfo.name : "", "_unknownLocale"),
        orPlaceholder(info.cpuArchitecture, "_cpuArchitecture"),
        udid,
        orPlaceholder(config.applicationName, "Brimforge"),
        orPlaceholder(config.applicationVersion, "_appVersion"),
        "Qt " + hostkit.qtVersion,
        orPlaceholder(info.buildAbi, "_buildAbi"),
        orPlaceholder(info.osDisplayName, "_osDisplayName"),
        orPlaceholder(info.kernelType, "_kernalType"),
        orPlaceholder(info.kernelVersion, "_kernalVersion")
    ]
    // One pass over the format: a value that itself contains "%2" or the
    // like stays as it is instead of being filled in again.
    return "%1/%2 (%3 %4; %5; %6; %7) %8/%9 (%10; %11; %12) %13/%14".replace(/%(\d+)/g, function (match, number) {
        var value = values[Number(number) - 1]
        return value === undefined || value === null ? "" : String(value)
    })
}
