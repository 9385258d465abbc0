#pragma once
// Wine reads the program path and the arguments it is given, and every file name, in the character
// set of the locale it runs in; Qt hands them over as UTF-8 whatever the locale. Started from a
// "C" or Latin-1 locale, Wine cannot even open a program in "C:\Spiele\Trakora Größe\", and a track
// "Große Schleife.tktrack" reaches the simulator garbled.

#include <QProcessEnvironment>

// The environment a program under Wine starts with: the given one, with LC_ALL=C.UTF-8 added when
// the character set it selects (the first non-empty of LC_ALL, LC_CTYPE, LANG; none is the "C"
// locale) is not UTF-8. A UTF-8 locale is kept as it is, with its language.
QProcessEnvironment WineProcessEnvironment(const QProcessEnvironment& environment);
