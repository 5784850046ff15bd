// Texts that reach the catalogues only as data: the program pages translate a profile's
// message key through a variable (qsTranslate("tavo_profile", key)), which lupdate cannot
// follow. Listed here so that lupdate keeps them; nothing loads this file.
QT_TRANSLATE_NOOP("tavo_profile", "Invalid Speed");
QT_TRANSLATE_NOOP("tavo_profile", "Frame period must be at least %1 seconds longer than exposure");
QT_TRANSLATE_NOOP("tavo_profile", "Speed too fast for frame period and exposure");

// The dialogs' standard buttons take their texts from Qt's own catalogue, which the console
// does not ship; these entries in the app catalogue answer for them.
QT_TRANSLATE_NOOP("QPlatformTheme", "OK");
QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel");
QT_TRANSLATE_NOOP("QPlatformTheme", "Close");
