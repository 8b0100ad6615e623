.pragma library

// The look of the older tool windows beyond what their tool configuration
// carries. The configuration's five colours (banner, banner text,
// background, text, highlight) are the tool's to change; these are fixed by
// the window's design, so they live here, in one table, and nowhere else.
// Lengths come from the theme's size tokens; only the large point sizes of
// the window's covers, which the theme's font scale does not reach, and the
// least size of the side bar's title are named here.

var colors = {
    // Under the tiled banner picture that fills the window.
    windowFill: "#f7f8f8",
    // The band behind the app summary strip.
    summaryBand: "#40cbcbcb",
    // Over the window while a start-up dialog (picker, folder dialog,
    // message) is open, and over it during a download.
    dialogCover: "#90000000",
    progressCover: "#80000000",
    // Texts on either cover.
    coverText: "#ffffff",
    // The ring of the app status indicator.
    indicatorOutline: "#a0a0a0"
}

// Points.
var fontSizes = {
    // The least size of the tool's short name in the side bar's banner,
    // which shrinks from the theme's banner title size to fit.
    bannerTitleMinimum: 18,
    // The window title under the tool icon on the dialog cover.
    coverTitle: 30,
    // The download's message and percentage, and its time left.
    progressMessage: 32,
    progressTime: 20
}
