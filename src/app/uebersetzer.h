#pragma once
// The words of the current language and the lookup of German captions: every
// caption the code writes in German is found in the word table by its text,
// and shown as the current language's word of that number, or as itself when
// the language has no word for it.

#include <QHash>
#include <QString>

#include "core/woerterbuch.h"

namespace gm {

// Where a caption stands decides which numbers are tried first when one
// German text has several: menu captions 1-239, file dialog titles 300-305,
// everything else.
enum class Wortart { Menue, Feld, Datei };

class Uebersetzer {
  public:
    Uebersetzer();

    // 0: the built-in German texts; 1..7: the language of that number.
    int SprachIndex = 0;
    Woerterbuch woerter;

    // The current word of number n: the German text when the slot is empty.
    QString wort(int n) const;
    // The number of a German caption, 0 when the table has none.
    int nummer(const QString& deutsch, Wortart art) const;
    // The caption in the current language; unknown texts come back unchanged.
    QString text(const QString& deutsch, Wortart art) const;
    // A hint: the whole text when it is a word, else its parts around the
    // first ": " each on its own ("Mask: Maske: blau = geschützt, ...").
    QString hinweis(const QString& deutsch) const;
    // A file dialog title, word by word ("Exportieren Targa").
    QString dateiTitel(const QString& deutsch) const;
    // A message of the program: known phrases are translated, the rest (file
    // names, numbers, system texts it does not know) stays as it is.
    QString meldung(const QString& text) const;

  private:
    QHash<QString, int> nummern_[3];  // by Wortart; the lowest number wins
    QHash<int, QString> deutsch_;
};

}  // namespace gm
