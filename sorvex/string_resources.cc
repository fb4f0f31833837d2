// The program's texts in English and Russian, by resource id.
#include "sorvex/string_resources.h"

namespace sorvex {
namespace {

const char16_t kUsageEnglish[] =
    u"\n"
    u"Replacing plain text with static text in file(s):\n"
    u"\n"
    u"sorvex.exe -spt:<plain text>|-set:<escape text> [-i] [-occ:<occurences>] [-r] -e|-t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"Replacing regular expression with static or formatted text in file(s):sorvex.exe -sre:<regexp> [-i] [-occ:<occurences>] [-r] e|-t:<plain text>|-et:<escape text>|-ft:<formatted text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Inserting text before occurences in file(s):\n"
    u"\n"
    u"sorvex.exe -insert_before -spt:<plain text>|-set:<escape text> [-i] [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"sorvex.exe -insert_before -sre:<regexp> [-i] [-r] -e|-t:<plain text>|-et:<escape text>|-ft:<formatted text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Inserting text after occurences in file(s):\n"
    u"\n"
    u"sorvex.exe -insert_after -spt:<plain text>|-set:<escape text> [-i] [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"sorvex.exe -insert_after -sre:<regexp> [-i] [-r] -e|-t:<plain text>|-et:<escape text>|-ft:<formatted text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Inserting text in the beginning of file(s):\n"
    u"\n"
    u"sorvex.exe -insert [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Appending text to file(s):\n"
    u"\n"
    u"sorvex.exe -append [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Replacing multiple samples in multiple files:\n"
    u"\n"
    u"sorvex.exe -list:<replace file>[,<codepage>] [-r] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"To convert codepage:\n"
    u"sorvex.exe -cp:<source codepage>,<target codepage> [-notitle] [-o:q[uiet]|s[hort]|d[etailed]*] [-r] <mask>...\n"
    u"\n"
    u"Parameters:\n"
    u"\n"
    u"-spt      Search for a plain text sample, no double quots allowed inside it\n"
    u"-set      Search for an escape text sample with support of \\\",\\r,\\n,\\t,\\xHH,\\uHHHH\n"
    u"-sre      Search for an ECMAScript regular expression\n"
    u"-occ:<list>\n"
    u"          Only process occurences by number, for example \"2,4,6-8,-3,-1\"\n"
    u"-list     Load replacements list from file\n"
    u"-i        Ignore case\n"
    u"-r        Recurse subdirectories\n"
    u"-e        Delete found text\n"
    u"-nc       Do not copy text that does not match the search expression\n"
    u"-t        Replace found text with specified plain text\n"
    u"-et       Replace found text with specified escape text\n"
    u"-ft       Replace found text with specified formatted ($n) text\n"
    u"-fet      Replace found text with specified formatted ($n) escape text\n"
    u"-r        Search in subfolders\n"
    u"-f        Replace found text with content of specfified file\n"
    u"-cp       Codepages for reading and writing text files specified with <mask>\n"
    u"    <codepage> - auto*|ansi|oem|unicode|utf8|number\n"
    u"-o        Output information level\n"
    u"    q     Quiet: silent\n"
    u"    s     Short: file names only\n"
    u"    d     Detailed: file names with replacement number\n"
    u"-notitle  Skip program title\n"
    u"<mask>    File mask with * and ?\n"
    u"\n"
    u"Return codes:\n"
    u"\n"
    u"0 Success: one or more samples were replaced\n"
    u"1 Not changed: found no sample occurence thus no changes made\n"
    u"2 Failure: an error occured\n"
    u"\n"
    u"More information available at:\n"
    u"\n"
    u"sorvex help page               https://sorvex.example.org/help\n"
    u"sorvex Q&A page                https://sorvex.example.org/faq\n"
    u"sorvex technical support forum https://sorvex.example.org/forum";

const char16_t kUsageRussian[] =
    u"\n"
    u"Замена простого текста в файлах:\n"
    u"\n"
    u"sorvex.exe -spt:<plain text>|-set:<escape text> [-i] [-occ:<вхождения>] [-r] -e|-t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Замена регулярного выражения в файлах:\n"
    u"\n"
    u"sorvex.exe -sre:<regexp> [-i] [-occ:<вхождения>] [-r] -e|-t:<plain text>|-et:<escape text>|-ft:<formatted text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Вставка текста перед вхождениями:\n"
    u"\n"
    u"sorvex.exe -insert_before -spt:<plain text>|-set:<escape text> [-i] [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"sorvex.exe -insert_before -sre:<regexp> [-i] [-r] -e|-t:<plain text>|-et:<escape text>|-ft:<formatted text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Вставка текста после вхождений:\n"
    u"\n"
    u"sorvex.exe -insert_after -spt:<plain text>|-set:<escape text> [-i] [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"sorvex.exe -insert_after -sre:<regexp> [-i] [-r] -e|-t:<plain text>|-et:<escape text>|-ft:<formatted text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Вставка текста в начало файла:\n"
    u"\n"
    u"sorvex.exe -insert [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Добавление текста в конец файла:\n"
    u"\n"
    u"sorvex.exe -append [-r] -t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Замена по списку:\n"
    u"\n"
    u"sorvex.exe -list:<replace file>[,<codepage>] [-r] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d*)] [-notitle] <mask>...\n"
    u"\n"
    u"Изменение кодировки:\n"
    u"\n"
    u"sorvex.exe -cp:<кодовая страница>,<кодовая страница> [-notitle] [-o:q[uiet]|s[hort]|d[etailed]*] [-r] <маска>...\n"
    u"\n"
    u"Параметры:\n"
    u"\n"
    u"-spt      Искать простой текст\n"
    u"-set      Искать простой текст с ESC символами \\\",\\r,\\n,\\t,\\xHH,\\uHHHH\n"
    u"-sre      Искать регулярное выражение ECMAScript\n"
    u"-occ:<список номеров>\n"
    u"          Заменять только вхождения по номеру, например, \"2,4,6-8,-3,-1\"\n"
    u"-list     Выполнять замены по файлу\n"
    u"-i        Не различать верхний и нижний регистр\n"
    u"-e        Удалить найденный текст\n"
    u"-nc       Оставить только найденный/заменённый текст\n"
    u"-t:<строка>\n"
    u"          Заменять простым текстом\n"
    u"-et:<строка>\n"
    u"          Заменять текстом с ESC символами \\\",\\r,\\n,\\t,\\xHH,\\uHHHH\n"
    u"-ft       Заменять текстом с регулярными выражениями ($n)\n"
    u"-fet      Заменять текстом с регулярными выражениями ($n) и ESC символами\n"
    u"-r        Искать также в подпапках\n"
    u"-f:<файл>\tФайл для замены\n"
    u"кодовая страница - *auto|ansi|oem|unicode|utf8|<номер>\n"
    u"-o:<режим>\tЗадает режим вывода\n"
    u"    q\t\tТихий режим (нет вывода)\n"
    u"    s\t\tКраткие сведения\n"
    u"    d\t\tПодробные сведения: каждый файл и число замен\n"
    u"-cp       Кодовые страницы для чтения и записи\n"
    u"    <кодовая страница> - auto*|ansi|oem|unicode|utf8|число\n"
    u"\n"
    u"Код возврата:\n"
    u"\n"
    u"0 заменена 1 или более строк или преобразован 1 или более файлов\n"
    u"1 не найден указанный текст или преобразование кодировки не требуется\n"
    u"2 ошибка в параметрах, не найден файл или другая ошибка\n"
    u"\n"
    u"Дополнительная информация:\n"
    u"\n"
    u"Справка sorvex             https://sorvex.example.org/help\n"
    u"Вопросы и ответы по sorvex https://sorvex.example.org/faq\n"
    u"Форум поддержки sorvex     https://sorvex.example.org/forum";

const char16_t kShortUsageEnglish[] =
    u"Usage: sorvex.exe [-spt:<plain text>|-set:<escape text>|-sre:<regexp> [-i] [-r] {-t:<plain text>|-et:<escape text>|-f:<filename>[,<codepage>]}] [-cp:<codepage>[,<codepage>]] [-o:(q|s|d)] [-notitle] <mask>...\n"
    u"For more details run sorvex -? or open https://sorvex.example.org/help";

const char16_t kShortUsageRussian[] =
    u"Запуск: sorvex.exe [-spt:<простой текст>|-set:<escape text>|-sre:<регулярное выражение> [-i] [-r] {-t:<простой текст>|-et:<escape text>|-f:<имя файла>[,<кодовая страница>]}] [-cp:<кодовая страница>[,<кодовая страница>]] <маска>...\n"
    u"Для подробной информации выполните sorvex -? или откройте https://sorvex.example.org/help";

const vyn::string_resource kStrings[] = {
    {kIdUsage, kUsageEnglish, kUsageRussian},
    {kIdTitle, u"sorvex v2.13.0.15 * Text Replace utility * https://sorvex.example.org/",
     u"sorvex v2.13.0.15 * Замена текста в файлах * https://sorvex.example.org/"},
    {kIdNoSearch, u"Search string not specified. ", u"Не задана строка поиска. "},
    {kIdTextAndFile,
     u"Specifing replace string and replace file at the same time is not allowed. ",
     u"Нельзя задавать одновременно строку замены и файл замены. "},
    {kIdWrongOutputLevel, u"Wrong value for parameter o. ",
     u"Неверное значение для параметра o. "},
    {kIdShortUsage, kShortUsageEnglish, kShortUsageRussian},
    {kIdInvalidCodePage, u"Invalid value for codepage parameter. ",
     u"Не задано значение для ключа cp. "},
    {kIdReplacementDuplicated, u"-e, -t, -et, -ft, -fet, or -f options duplicated",
     u"дублирование -e, -t, -et, -ft, -fet или -f"},
    {kIdSearchWithFormat, u"-spt/-set cannot be used with -ft/-fet options",
     u"-spt/-set не могут быть использованы с -ft/-fet"},
    {kIdSearchDuplicated, u"-spt, -sre, -spf, or -srf options duplicated",
     u"дублирование -spt, -sre, -spf или -srf"},
};

}  // namespace

std::span<const vyn::string_resource> string_table() { return kStrings; }

}  // namespace sorvex
