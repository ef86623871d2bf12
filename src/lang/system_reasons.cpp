// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/system_reasons.h"

#include <cerrno>
#include <cstring>
#include <locale.h>
#include <system_error>

namespace ab {
namespace {

struct ReasonText {
    int error;
    Text3 text;
};

// The reasons a save or an open meets most, in the words a user of a desktop program reads.
const ReasonText kReasons[] = {
    {ENOENT, {"No such file or directory", "Datei oder Ordner nicht vorhanden", "No existe el archivo o la carpeta"}},
    {EACCES, {"Permission denied", "Zugriff verweigert", "Permiso denegado"}},
    {EPERM, {"Operation not permitted", "Vorgang nicht erlaubt", "Operación no permitida"}},
    {ENOSPC, {"No space left on device", "Kein Platz mehr auf dem Datenträger", "No queda espacio en el dispositivo"}},
    {EDQUOT, {"Disk quota exceeded", "Speicherkontingent überschritten", "Cuota de disco superada"}},
    {EROFS, {"Read-only file system", "Dateisystem nur lesbar", "Sistema de archivos de solo lectura"}},
    {EISDIR, {"Is a directory", "Ist ein Ordner", "Es una carpeta"}},
    {ENOTDIR, {"Not a directory", "Ist kein Ordner", "No es una carpeta"}},
    {ELOOP, {"Too many levels of symbolic links", "Zu viele Ebenen symbolischer Verknüpfungen",
             "Demasiados niveles de enlaces simbólicos"}},
    {ENAMETOOLONG, {"File name too long", "Dateiname zu lang", "Nombre de archivo demasiado largo"}},
    {EEXIST, {"File exists", "Datei existiert bereits", "El archivo ya existe"}},
    {EIO, {"Input/output error", "Ein-/Ausgabefehler", "Error de entrada/salida"}},
    {EBUSY, {"Device or resource busy", "Gerät oder Ressource belegt", "Dispositivo o recurso ocupado"}},
    {ETXTBSY, {"Text file busy", "Datei wird gerade benutzt", "Archivo en uso"}},
    {EFBIG, {"File too large", "Datei zu groß", "Archivo demasiado grande"}},
    {EMFILE, {"Too many open files", "Zu viele offene Dateien", "Demasiados archivos abiertos"}},
    {ENOMEM, {"Cannot allocate memory", "Nicht genügend Speicher", "No hay memoria suficiente"}},
    {EXDEV, {"Invalid cross-device link", "Verknüpfung über Gerätegrenzen hinweg", "Enlace entre dispositivos no válido"}},
    {ENXIO, {"No such device or address", "Gerät oder Adresse nicht vorhanden", "No existe el dispositivo o la dirección"}},
};

// The number of the C library's reason: the text as it gives it in English, or as the program's
// locale gives it.
int errorOf(const std::string& reason)
{
    const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    int found = 0;
    for (int e = 1; e < 200 && !found; ++e)
        if ((c && reason == strerror_l(e, c)) || reason == std::generic_category().message(e))
            found = e;
    if (c)
        freelocale(c);
    return found;
}

// The C library's own text in the language's locale, when that locale is installed and translates it.
std::string libraryTranslation(Language language, int error)
{
    const char* names[] = {language == Language::German ? "de_DE.UTF-8" : "es_ES.UTF-8",
                           language == Language::German ? "de_DE.utf8" : "es_ES.utf8"};
    std::string text;
    for (const char* name : names) {
        const locale_t l = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, name, static_cast<locale_t>(0));
        if (!l)
            continue;
        text = strerror_l(error, l);
        freelocale(l);
        break;
    }
    const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    const bool translated = !text.empty() && (!c || text != strerror_l(error, c));
    if (c)
        freelocale(c);
    return translated ? text : std::string();
}

} // namespace

std::string systemReasonIn(Language language, const std::string& reason)
{
    const int error = language == Language::English || reason.empty() ? 0 : errorOf(reason);
    if (!error)
        return reason;
    for (const ReasonText& r : kReasons)
        if (r.error == error)
            return std::string(r.text.in(language));
    const std::string translated = libraryTranslation(language, error);
    return translated.empty() ? reason : translated;
}

} // namespace ab
