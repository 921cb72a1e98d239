#include "project_file.h"

#include "atomic_file.h"
#include "number_text.h"
#include "project_settings.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <new>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <type_traits>
#include <unistd.h>

namespace orvanta {

namespace {

constexpr long long settingsAllowanceBytes = 1 << 20;

// ---------------------------------------------------------------------------------------------
// Reading

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

enum class FieldError { None, EndOfFile, NotANumber, OutOfRange, NotAnInteger, BeyondSingle };

class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    // Reads the next field as a number. Blanks and line ends before a field are skipped; a field
    // ends at a comma (consumed), a line end or the end of the text.
    FieldError next(double& value) {
        ++fieldNumber_;
        while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_])))
            ++pos_;
        if (pos_ == text_.size())
            return FieldError::EndOfFile;
        if (readWholeNumber(value))
            return FieldError::None;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(text_[end - 1]))
            --end;
        if (pos_ < text_.size() && text_[pos_] == ',')
            ++pos_;
        bool outOfRange = false;
        const std::optional<double> number =
            number_text::parse(text_.substr(start, end - start), &outOfRange);
        if (!number)
            return outOfRange ? FieldError::OutOfRange : FieldError::NotANumber;
        value = *number;
        return FieldError::None;
    }

    long long fieldNumber() const { return fieldNumber_; }
    // What follows the last field read.
    std::string_view rest() const { return text_.substr(pos_); }

private:
    // Most fields of a project are short whole numbers ("0", "1", "300"), read here in one pass:
    // an optional minus and up to 15 digits ending at a separator, exact as any other reading
    // ("-0" too is −0). Anything else is left to the general reading.
    bool readWholeNumber(double& value) {
        std::size_t p = pos_;
        const bool negative = text_[p] == '-';
        p += negative ? 1 : 0;
        const std::size_t digits = p;
        std::int64_t whole = 0;
        while (p < text_.size() && p - digits < 15 && text_[p] >= '0' && text_[p] <= '9')
            whole = whole * 10 + (text_[p++] - '0');
        if (p == digits || (p < text_.size() && text_[p] != ',' && !isLineEnd(text_[p])))
            return false;
        value = negative ? -static_cast<double>(whole) : static_cast<double>(whole);
        pos_ = p < text_.size() && text_[p] == ',' ? p + 1 : p;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    long long fieldNumber_ = 0;
};

std::string describe(FieldError error, long long field) {
    const std::string n = std::to_string(field);
    switch (error) {
    case FieldError::EndOfFile:
        return "il file termina prima del campo " + n;
    case FieldError::NotANumber:
        return "il campo " + n + " non è un numero";
    case FieldError::OutOfRange:
        return "il campo " + n + " è un numero fuori dall'intervallo rappresentabile";
    case FieldError::BeyondSingle:
        return "il campo " + n + " supera il limite dei numeri in precisione singola";
    case FieldError::NotAnInteger:
        return "il campo " + n + " non è un numero intero";
    case FieldError::None:
        break;
    }
    return {};
}

// Reads fields into a sequence of targets, stopping at the first error.
class RecordReader {
public:
    explicit RecordReader(std::string_view text) : fields_(text) {}

    // Reports the fields read against `fields` in all, every 16 384 fields.
    void reportTo(ProgressStage& progress, long long fields) {
        progress_ = &progress;
        fields_total_ = static_cast<double>(fields);
    }

    template <class T> bool read(T& target) {
        if (!error_.empty())
            return false;
        double value = 0;
        const FieldError e = fields_.next(value);
        if (e != FieldError::None) {
            error_ = describe(e, fields_.fieldNumber());
            return false;
        }
        if constexpr (std::is_same_v<T, float>) {
            // A single-precision field beyond 3.4E+38 would read as infinity.
            if (!std::isfinite(static_cast<float>(value))) {
                error_ = describe(FieldError::BeyondSingle, fields_.fieldNumber());
                return false;
            }
        }
        target = static_cast<T>(value);
        return true;
    }

    bool readCount(std::int16_t& target) {
        double value = 0;
        if (!read(value))
            return false;
        if (value != std::trunc(value)) {
            error_ = describe(FieldError::NotAnInteger, fields_.fieldNumber());
            return false;
        }
        const std::optional<std::int16_t> count =
            std::fabs(value) < 1e9 ? checkedInt16(static_cast<long long>(value)) : std::nullopt;
        if (!count) {
            error_ = "dimensioni oltre il limite di 32767 (campo " +
                     std::to_string(fields_.fieldNumber()) + ")";
            return false;
        }
        target = *count;
        return true;
    }

    template <class T> bool readAll(std::span<T> targets) {
        for (T& target : targets) {
            if (!read(target))
                return false;
            if (progress_ && (fields_.fieldNumber() & 0x3FFF) == 0)
                progress_->report(static_cast<double>(fields_.fieldNumber()) / fields_total_);
        }
        return true;
    }

    const std::string& error() const { return error_; }
    std::string_view rest() const { return fields_.rest(); }

private:
    FieldReader fields_;
    std::string error_;
    ProgressStage* progress_ = nullptr;
    double fields_total_ = 1;
};

// Every field of the file, counted from the sizes; each one takes at least a character and a
// separator, which lets a short file be refused before anything is allocated.
long long fieldCount(const Counts& c, const DerivedSizes& s) {
    const long long storeys = c.nStoreys;
    return 3 + 4 + s.xValues + s.yValues + s.levels + 1 + storeys * s.nSlots * member::values +
           storeys * s.bays * slab::values + storeys * s.loadSlots + storeys * 2 + storeys +
           storeys;
}

// ---------------------------------------------------------------------------------------------
// Writing

// Collects the text of the file in a buffer that is handed on to a sink whenever it grows past
// a threshold, so that a large project is never held twice in memory.
class TextWriter {
public:
    using Sink = std::function<bool(std::string_view)>;

    explicit TextWriter(Sink sink) : sink_(std::move(sink)) { buffer_.reserve(flushSize + 256); }

    void single(float value, char after) {
        end_ = number_text::writeSingle(room(), value);
        finish(after);
    }
    void number(double value, char after) {
        end_ = number_text::writeDouble(room(), value);
        finish(after);
    }
    void integer(int value, char after) { number(value, after); }
    void lineEnd() { buffer_ += "\r\n"; }
    void text(std::string_view text) { buffer_ += text; }

    bool close() {
        flush();
        return ok_;
    }

private:
    static constexpr std::size_t flushSize = 1 << 20;

    char* room() {
        const std::size_t size = buffer_.size();
        buffer_.resize(size + number_text::maxLength);
        return buffer_.data() + size;
    }
    void finish(char after) {
        buffer_.resize(static_cast<std::size_t>(end_ - buffer_.data()));
        if (after == '\n')
            lineEnd();
        else if (after != 0)
            buffer_ += after;
        if (buffer_.size() >= flushSize)
            flush();
    }
    void flush() {
        if (ok_ && !buffer_.empty())
            ok_ = sink_(buffer_);
        buffer_.clear();
    }

    Sink sink_;
    std::string buffer_;
    char* end_ = nullptr;
    bool ok_ = true;
};

// Fields within a record are followed by a comma, the last one by a line end.
template <class T, class Write> void writeRecord(std::span<const T> values, Write write) {
    for (std::size_t i = 0; i < values.size(); ++i)
        write(values[i], i + 1 < values.size() ? ',' : '\n');
}

bool writeProject(const Model& m, TextWriter& out, ProgressStage& progress) {
    const Counts& c = m.counts;
    const int storeys = c.nStoreys;
    const auto number = [&out](double v, char after) { out.number(v, after); };

    for (int i = 0; i <= 2; ++i)
        out.single(m.drawMax(i), i < 2 ? ',' : '\n');

    out.integer(c.nX, ',');
    out.integer(c.nY, ',');
    out.integer(c.nStoreys, ',');
    out.integer(c.nExtra, '\n');

    for (const Array1<double>* values : {&m.coordX, &m.coordY, &m.levelZ}) {
        for (const double v : values->values())
            out.number(v, ',');
    }
    out.single(m.planScale, '\n');

    // The element records are two thirds of a large file, the slabs a quarter.
    for (int k = 1; k <= storeys; ++k) {
        for (int s = m.members.lower(2); s <= m.members.upper(2); ++s)
            writeRecord<double>(std::span(&m.members(k, s, 1), member::values), number);
        progress.report(0.65 * k / storeys);
    }
    for (int k = 1; k <= storeys; ++k) {
        for (int b = m.slabs.lower(2); b <= m.slabs.upper(2); ++b)
            writeRecord<double>(std::span(&m.slabs(k, b, 1), slab::values), number);
        progress.report(0.65 + 0.25 * k / storeys);
    }
    for (int k = 1; k <= storeys; ++k)
        writeRecord<double>(m.beamLoads.row(k), number);
    for (int k = 1; k <= storeys; ++k)
        writeRecord<double>(m.massCentre.row(k), number);
    for (int k = 1; k <= storeys; ++k)
        out.number(m.gyrationRadius(k), '\n');
    for (int k = 1; k <= storeys; ++k)
        out.number(m.storeyForce(k), ',');
    out.text(settingsSectionText(m.settings));
    const bool written = out.close();
    progress.report(1);
    return written;
}

// A model whose arrays do not match its counts, or that holds a value the file cannot carry,
// would be written as a file that no one can open again.
std::string checkWritable(const Model& m) {
    if (const SizeCheck check = deriveSizes(m.counts); !check.sizes)
        return "il progetto non descrive ancora un edificio completo: " + check.error;
    if (!m.hasCompleteArrays())
        return "le dimensioni dei dati non corrispondono a quelle della griglia";
    const auto finite = [](std::span<const double> values) {
        for (const double v : values) {
            if (!std::isfinite(v))
                return false;
        }
        return true;
    };
    if (!finite(m.coordX.values()) || !finite(m.coordY.values()) || !finite(m.levelZ.values()) ||
        !finite(m.members.values()) || !finite(m.slabs.values()) || !finite(m.beamLoads.values()) ||
        !finite(m.massCentre.values()) || !finite(m.gyrationRadius.values()) ||
        !finite(m.storeyForce.values()) || !std::isfinite(m.planScale) ||
        !std::isfinite(m.drawMax(0)) || !std::isfinite(m.drawMax(1)) ||
        !std::isfinite(m.drawMax(2)))
        return "il progetto contiene un valore non numerico";
    return {};
}

// A temporary file beside the target, created exclusively under a fresh name: ".casa.orv.
// salvataggio-" and six random letters. It gets the permissions of the file it will replace, or,
// for a new project, those the system gives any new file (0666 less the user's umask, applied by
// the kernel at creation). Returns the descriptor, or −1 with errno set.
int createTemporaryBeside(const std::filesystem::path& target, std::string& temporary) {
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    const mode_t mode = replacing ? existing.st_mode & 07777 : 0666;
    const std::string stem = "." + target.filename().string() + ".salvataggio-";
    std::random_device random;
    std::uniform_int_distribution<int> letter(0, 25);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string leaf = stem;
        for (int k = 0; k < 6; ++k)
            leaf += static_cast<char>('a' + letter(random));
        temporary = (target.parent_path() / leaf).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            // The umask may have taken bits off the replaced file's permissions: put them back.
            if (replacing && ::fchmod(fd, mode) != 0) {
                const int error = errno;
                ::close(fd);
                ::unlink(temporary.c_str());
                errno = error;
                return -1;
            }
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

// Closes a file descriptor when it goes out of scope.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int fd() const { return fd_; }

private:
    int fd_;
};

// Why a path cannot be read as a project: not a regular file, or larger than any project.
std::string refusalOf(const struct stat& info) {
    if (S_ISDIR(info.st_mode))
        return "il nome indica una cartella, non un file";
    if (S_ISFIFO(info.st_mode))
        return "il nome indica una coda (FIFO), non un file ordinario";
    if (!S_ISREG(info.st_mode))
        return "il nome indica un dispositivo, non un file ordinario";
    if (info.st_size > largestProjectFileBytes())
        return "il file (" + std::to_string(info.st_size) +
               " byte) è più grande del più grande progetto che il programma può scrivere (" +
               std::to_string(largestProjectFileBytes()) + " byte)";
    return {};
}

// Reads a whole project file into text; returns the reason when it cannot.
std::string readWholeProjectFile(const std::string& path, std::string& text) {
    // Not blocking, so that a FIFO given as the project is refused instead of waited on.
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.fd() < 0)
        return errno == ENOENT ? "il file non esiste"
                               : "il file non può essere letto: " + systemReason(errno);
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0)
        return "il file non può essere letto: " + systemReason(errno);
    if (std::string refusal = refusalOf(info); !refusal.empty())
        return refusal;
    text.assign(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t got = ::read(file.fd(), text.data() + done, text.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return "il file non può essere letto: " + systemReason(errno);
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    text.resize(done); // a file that shrank while it was read ends where it ends
    return {};
}

// Writes a model that passed checkWritable. Everything that allocates happens before the
// temporary file is created, so running out of memory leaves nothing behind.
std::string writeCheckedProject(const Model& model, const std::string& path,
                                ProgressStage& progress) {
    std::string temporary;
    int fd = -1;
    int error = 0;
    TextWriter out([&fd, &error](std::string_view chunk) {
        while (!chunk.empty()) {
            const ssize_t written = ::write(fd, chunk.data(), chunk.size());
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                error = errno;
                return false;
            }
            chunk.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    });
    fd = createTemporaryBeside(path, temporary);
    if (fd < 0)
        return "impossibile creare il file: " + systemReason(errno);

    bool ok = writeProject(model, out, progress);
    if (ok && ::fsync(fd) != 0)
        error = errno, ok = false;
    if (::close(fd) != 0 && ok)
        error = errno, ok = false;
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno, ok = false;
    if (!ok) {
        ::unlink(temporary.c_str());
        return "impossibile scrivere il file: " + systemReason(error);
    }
    return {};
}

} // namespace

long long largestProjectFileBytes() {
    const Counts& c = largestCounts;
    // Each field is at most the longest number text followed by a comma or a line end (CR LF);
    // the settings section after the records is given a mebibyte of its own.
    return fieldCount(c, *deriveSizes(c).sizes) * (number_text::longestText + 2) +
           settingsAllowanceBytes;
}

ProjectReadResult parseProject(std::string_view text, const ProgressCallback& progress) {
    RecordReader in(text);
    ProgressStage reading(progress, "Lettura del progetto", 0, 1);
    Model header;
    for (int i = 0; i <= 2; ++i)
        in.read(header.drawMax(i));
    Counts counts;
    in.readCount(counts.nX) && in.readCount(counts.nY) && in.readCount(counts.nStoreys) &&
        in.readCount(counts.nExtra);
    if (!in.error().empty())
        return {std::nullopt, in.error()};

    const SizeCheck check = deriveSizes(counts);
    if (!check.sizes)
        return {std::nullopt, check.error};
    if (std::string beyond = beyondEditorLimits(counts); !beyond.empty())
        return {std::nullopt, std::move(beyond)};
    const long long fields = fieldCount(counts, *check.sizes);
    if (static_cast<long long>(text.size()) < 2 * fields - 1)
        return {std::nullopt, "il file è troppo corto per le dimensioni dichiarate (servono " +
                                  std::to_string(fields) + " campi)"};

    std::optional<Model> model = Model::allocate(counts);
    Model& m = *model;
    in.reportTo(reading, fields);
    m.drawMax = header.drawMax;
    in.readAll(m.coordX.values()) && in.readAll(m.coordY.values()) &&
        in.readAll(m.levelZ.values()) && in.read(m.planScale) && in.readAll(m.members.values()) &&
        in.readAll(m.slabs.values()) && in.readAll(m.beamLoads.values()) &&
        in.readAll(m.massCentre.values()) && in.readAll(m.gyrationRadius.values()) &&
        in.readAll(m.storeyForce.values());
    if (!in.error().empty())
        return {std::nullopt, in.error()};
    m.settings = parseSettingsSection(in.rest());
    reading.report(1);
    return {std::move(model), {}};
}

ProjectReadResult readProjectFile(const std::string& path, const ProgressCallback& progress) {
    try {
        std::string text;
        if (std::string refusal = readWholeProjectFile(path, text); !refusal.empty())
            return {std::nullopt, std::move(refusal)};
        return parseProject(text, progress);
    } catch (const std::bad_alloc&) {
        return {std::nullopt, outOfMemoryReason};
    } catch (const std::length_error&) {
        return {std::nullopt, outOfMemoryReason};
    }
}

std::string projectText(const Model& model) {
    std::string text;
    TextWriter out([&text](std::string_view chunk) {
        text += chunk;
        return true;
    });
    ProgressStage none;
    writeProject(model, out, none);
    return text;
}

std::string writeProjectFile(const Model& model, const std::string& path,
                             const ProgressCallback& progress) {
    if (std::string problem = checkWritable(model); !problem.empty())
        return problem;
    try {
        ProgressStage writing(progress, "Scrittura del progetto", 0, 1);
        return writeCheckedProject(model, path, writing);
    } catch (const std::bad_alloc&) {
        return outOfMemoryReason;
    }
}

} // namespace orvanta
