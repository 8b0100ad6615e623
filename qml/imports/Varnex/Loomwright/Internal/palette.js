.pragma library

// The suite's colours in one table, for both schemes. BrimforgeTheme reads
// it through scheme() and hands the colours to the controls; nothing else
// reads it, so that a colour changes here or nowhere.
//
// A value is a pair [dark, light] or one value for both schemes. A single
// value is the name of another entry, a colour ("#rrggbb", "#aarrggbb",
// "transparent"), or "FeldrinColors.<name>", a colour of the design
// system's palette. In the button styles, numbers are widths and radii in
// units.

// Named colours, the same in both schemes.
var base = {
    feldrinGray050: "#ffffff",
    feldrinGray100: "#f8f8f8",
    feldrinGray200: "#efefef",
    feldrinGray300: "#e0e0e0",
    feldrinGray700: "#323232",
    feldrinPurple150: "#c4bcdc",
    brandPurple100: "#DFCCE3",
    brandPurple200: "#8f499c",
    brandPurple250: "#6b1978",
    brandBlue200: "#007ac2",
    brimforgeGray100: "#d1d1d1",
    brimforgeGray200: "#CCCCCC",
    brimforgeGray300: "#BDBDBD",
    brimforgeGray600: "#5C5C5C",
    brimforgeGray650: "#4C4C4C",
    brimforgeGray700: "#404040",
    brimforgeGray750: "#3B3B3B",
    brimforgeGray800: "#333333",
    brimforgeGray900: "#242424",
    brimforgePurple100: "#DFA8FF",
    brimforgeRed1: "#FF6D3B",
    brimforgeRed2: "#AB3C16",
    brimforgeRed3: "#8C2907"
}

// What the controls paint with.
var roles = {
    primaryBackground: ["brimforgeGray900", "feldrinGray100"],
    secondaryBackground: ["brimforgeGray800", "feldrinGray200"],
    tertiaryBackground: ["brimforgeGray700", "feldrinGray050"],
    floatingPanelBackground: ["brimforgeGray700", "feldrinGray050"],
    galleryCardBackground: ["secondaryBackground", "tertiaryBackground"],
    primaryDividerColor: ["brimforgeGray700", "feldrinGray300"],
    secondaryDividerColor: ["brimforgeGray600", "feldrinGray300"],
    tertiaryDividerColor: ["brimforgeGray600", "feldrinGray300"],
    floatingPanelDividerColor: ["brimforgeGray600", "feldrinGray300"],
    primaryForeground: ["brimforgeGray100", "brimforgeGray650"],
    secondaryForeground: ["brimforgeGray100", "brimforgeGray650"],
    tertiaryForeground: ["brimforgeGray100", "brimforgeGray650"],
    primaryBorderColor: ["brimforgeGray300", "brimforgeGray200"],
    secondaryBorderColor: ["brimforgeGray600", "brimforgeGray200"],
    floatingPanelBorderColor: ["brimforgeGray600", "brimforgeGray200"],
    highlightBorderColor: ["brimforgePurple100", "brandPurple200"],
    primaryButtonBackground: "brandPurple200",
    primaryButtonForeground: "feldrinGray100",
    appActionButtonHoverBackground: ["brimforgeGray650", "feldrinGray300"],
    hyperlinkColor: "brandBlue200",
    disabledButtonGrey: ["#5a5a5a", "#c7c7c7"],

    // Marks of a good or a bad value (a path that exists, a critical message).
    successColor: ["FeldrinColors.h_gg_060", "FeldrinColors.h_gg_080"],
    errorColor: "brimforgeRed1",

    // Status banners. The success and error banners are dark, and dark text
    // on them could not be read, so they take the lightest grey.
    successBackground: "#295429",
    successBorderColor: "#295429",
    successForeground: "feldrinGray050",
    infoBackground: "#D2E9F9",
    infoBorderColor: "#3B8FC4",
    infoForeground: "#111111",
    warningBackground: "#F3EDC7",
    warningBorderColor: "#D9BF2B",
    warningForeground: "#111111",
    errorBackground: "brimforgeRed3",
    errorBorderColor: "brimforgeRed3",
    errorForeground: "feldrinGray050",

    // Veils and shadows: black at some opacity, so that what lies below
    // shows through.
    modalOverlayColor: "#80000000",
    activityOverlayColor: "#99000000",
    elevationShadowColor: ["#80000000", "#30000000"],

    // A QR code must stay dark on light in either scheme to be read.
    qrCodeForeground: "#000000",
    qrCodeBackground: "#ffffff"
}

// The styles that MaterialButton paints itself from.
var buttonStyles = {
    filledButton: {
        backgroundColor: "primaryButtonBackground",
        backgroundColorFocused: "brandPurple250",
        backgroundColorDisabled: "disabledButtonGrey",
        borderColor: "primaryButtonBackground",
        borderColorFocused: "brandPurple250",
        borderColorDisabled: "disabledButtonGrey",
        textColor: "primaryButtonForeground",
        textColorFocused: "feldrinGray050",
        textColorDisabled: "secondaryBackground",
        borderWidth: 1,
        borderWidthFocused: 1,
        borderRadius: 0
    },
    dangerButton: {
        backgroundColor: "brimforgeRed2",
        backgroundColorFocused: "brimforgeRed3",
        backgroundColorDisabled: "disabledButtonGrey",
        borderColor: "brimforgeRed2",
        borderColorFocused: "brimforgeRed3",
        borderColorDisabled: "disabledButtonGrey",
        textColor: "feldrinGray100",
        textColorFocused: "brimforgeGray100",
        textColorDisabled: "secondaryBackground",
        borderWidth: 1,
        borderWidthFocused: 1,
        borderRadius: 0
    },
    outlineButton: {
        backgroundColor: "transparent",
        backgroundColorFocused: "transparent",
        backgroundColorDisabled: "transparent",
        borderColor: ["brimforgeGray100", "brimforgeGray650"],
        borderColorFocused: ["feldrinGray050", "feldrinGray700"],
        borderColorDisabled: "disabledButtonGrey",
        textColor: ["brimforgeGray100", "brimforgeGray650"],
        textColorFocused: ["feldrinGray050", "brimforgeGray650"],
        textColorDisabled: "disabledButtonGrey",
        borderWidth: 1,
        borderWidthFocused: 2,
        borderRadius: 0
    },
    textButton: {
        backgroundColor: "transparent",
        backgroundColorFocused: "transparent",
        backgroundColorDisabled: "transparent",
        borderColor: "transparent",
        borderColorFocused: "transparent",
        borderColorDisabled: "transparent",
        textColor: ["brimforgeGray100", "brimforgeGray650"],
        textColorFocused: ["brimforgePurple100", "brandPurple200"],
        textColorDisabled: "secondaryBackground",
        borderWidth: 0,
        borderWidthFocused: 0,
        borderRadius: 0
    },
    hyperlinkButton: {
        backgroundColor: "transparent",
        backgroundColorFocused: "transparent",
        backgroundColorDisabled: "transparent",
        borderColor: "transparent",
        borderColorFocused: "transparent",
        borderColorDisabled: "transparent",
        textColor: ["brimforgePurple100", "brandPurple200"],
        textColorFocused: ["brimforgeGray100", "brimforgeGray650"],
        textColorDisabled: "secondaryBackground",
        borderWidth: 0,
        borderWidthFocused: 0,
        borderRadius: 0
    }
}

var feldrinPrefix = "FeldrinColors."

// One value of the table for one scheme. A name that the table does not
// know is a mistake in the table; it shows as no colour at all rather than
// as a plausible wrong one.
function resolve(value, dark, feldrinColors) {
    if (Array.isArray(value))
        value = value[dark ? 0 : 1]
    if (typeof value !== "string")
        return value
    if (value.charAt(0) === "#" || value === "transparent")
        return value
    if (value.indexOf(feldrinPrefix) === 0) {
        var colour = feldrinColors ? feldrinColors[value.substring(feldrinPrefix.length)] : undefined
        if (colour !== undefined)
            return String(colour)
    } else if (Object.prototype.hasOwnProperty.call(base, value)) {
        return base[value]
    } else if (Object.prototype.hasOwnProperty.call(roles, value)) {
        return resolve(roles[value], dark, feldrinColors)
    }
    console.warn("palette: no colour named", value)
    return "transparent"
}

// Every named colour, role and button style of one scheme, resolved.
// feldrinColors is the design system's palette (the FeldrinColors
// singleton), which a script library cannot import itself.
function scheme(dark, feldrinColors) {
    var result = {}
    var name
    for (name in base)
        result[name] = base[name]
    for (name in roles)
        result[name] = resolve(roles[name], dark, feldrinColors)
    for (name in buttonStyles) {
        var style = {}
        for (var key in buttonStyles[name])
            style[key] = resolve(buttonStyles[name][key], dark, feldrinColors)
        result[name] = style
    }
    return result
}
