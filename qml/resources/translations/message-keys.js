// Texts that reach the catalogues only as data: the program pages translate a profile's
// message key through a variable (qsTranslate("tavo_profile", key)), which lupdate cannot
// follow. Listed here so that lupdate keeps them; nothing loads this file.
QT_TRANSLATE_NOOP("tavo_profile", "Invalid Speed");
QT_TRANSLATE_NOOP("tavo_profile", "Frame period must be at least %1 seconds longer than exposure");
QT_TRANSLATE_NOOP("tavo_profile", "Speed too fast for frame period and exposure");
