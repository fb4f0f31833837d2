#include "platform/system_messages.h"

#include "platform/error_codes.h"

namespace vyn::platform {
namespace {

struct message_row {
  uint32_t code;
  const char16_t* english;
  const char16_t* russian;
};

constexpr message_row kMessages[] = {
    {kSuccess, u"The operation succeeded.", u"Операция выполнена успешно."},
    {kInvalidFunction, u"The function is not valid here.",
     u"Функция здесь недопустима."},
    {kFileNotFound, u"The file was not found.", u"Файл не найден."},
    {kPathNotFound, u"The path was not found.", u"Путь не найден."},
    {kTooManyOpenFiles, u"Too many files are open.",
     u"Открыто слишком много файлов."},
    {kAccessDenied, u"Access was denied.", u"Доступ запрещён."},
    {kInvalidHandleCode, u"The handle is not valid.",
     u"Недопустимый дескриптор."},
    {kNotEnoughMemory, u"There is not enough memory for this operation.",
     u"Недостаточно памяти для этой операции."},
    {kInvalidData, u"The data is not valid.", u"Недопустимые данные."},
    {kNotSameDevice, u"The file cannot be moved to another disk.",
     u"Файл нельзя переместить на другой диск."},
    {kNoMoreFiles, u"There are no more files.", u"Больше нет файлов."},
    {kWriteProtect, u"The medium is write-protected.",
     u"Носитель защищён от записи."},
    {kSharingViolation, u"The file is in use by another process.",
     u"Файл занят другим процессом."},
    {kHandleEof, u"The end of the file was reached.",
     u"Достигнут конец файла."},
    {kNotSupported, u"The request is not supported.",
     u"Запрос не поддерживается."},
    {kFileExists, u"The file already exists.", u"Файл уже существует."},
    {kInvalidParameter, u"A parameter is not valid.",
     u"Недопустимый параметр."},
    {kDiskFull, u"There is not enough space on the disk.",
     u"Недостаточно места на диске."},
    {kInsufficientBuffer, u"The data area is too small.",
     u"Область данных слишком мала."},
    {kDirNotEmpty, u"The directory is not empty.", u"Папка не пуста."},
    {kAlreadyExists, u"The file cannot be created because it already exists.",
     u"Нельзя создать файл, так как он уже существует."},
    {kFilenameTooLong, u"The file name or extension is too long.",
     u"Слишком длинное имя файла или расширение."},
    {kDirectoryInvalid, u"The directory name is not valid.",
     u"Недопустимое имя папки."},
    {kNoUnicodeTranslation,
     u"A Unicode character has no counterpart in the target code page.",
     u"Для символа Юникода нет соответствия в целевой кодовой странице."},
    {kAlreadyInitialized, u"The operation has already been carried out.",
     u"Операция уже была выполнена."},
    {kInternalError, u"An internal error occurred.",
     u"Произошла внутренняя ошибка."},
};

}  // namespace

std::u16string system_message(uint32_t code, language lang) {
  for (const auto& row : kMessages) {
    if (row.code == code) {
      return lang == language::russian ? row.russian : row.english;
    }
  }
  return {};
}

std::u16string system_message(uint32_t code) {
  return system_message(code, interface_language());
}

}  // namespace vyn::platform
