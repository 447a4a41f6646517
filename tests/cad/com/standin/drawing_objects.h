#pragma once

#include "standin/dispatch_object.h"

// The object model the server hands out. Each function returns a new object holding one
// reference for the caller.
namespace standin {

IDispatch* newApplication(Server& server);
IDispatch* newModelSpace(Server& server);
IDispatch* newBlocks(Server& server);
IDispatch* newBlock(Server& server, const std::wstring& name);
// An IEnumVARIANT over the drawing's block definitions as they stand now.
IUnknown* newBlockEnumerator(Server& server);

// Fails the call unless it has exactly `count` arguments.
void expectArguments(const Call& call, std::size_t count);

}  // namespace standin
