#pragma once

#include <exception>
#include <string>
#include <utility>

// The root of every error the system raises; Message is the text a user or a
// log sees. Derived classes only name the kind of failure.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}

    const std::string& Message() const noexcept { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }

protected:
    std::string FMessage;
};

#define DUVA_EXCEPTION(Name, Base)                                                                           \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    }

DUVA_EXCEPTION(EConvertError, Exception);
DUVA_EXCEPTION(EStreamError, Exception);
DUVA_EXCEPTION(EReadError, EStreamError);
DUVA_EXCEPTION(EWriteError, EStreamError);
DUVA_EXCEPTION(EFOpenError, EStreamError);
DUVA_EXCEPTION(EFCreateError, EStreamError);
DUVA_EXCEPTION(EInvalidGraphic, Exception);
DUVA_EXCEPTION(ECompressionError, Exception);
DUVA_EXCEPTION(EDecompressionError, Exception);
DUVA_EXCEPTION(EListError, Exception);
DUVA_EXCEPTION(EOSError, Exception);

#undef DUVA_EXCEPTION
