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

IDispatch* newUserCoordinateSystems(Server& server);
// The current UCS: the table's UCS of its name, or one that is in no table when it has none.
IDispatch* newActiveUcs(Server& server);

IDispatch* newLayers(Server& server);
IDispatch* newLayer(Server& server, std::size_t index);
// The layer of one of this server's layer objects; Fault{DISP_E_TYPEMISMATCH} for anything
// else.
std::size_t layerOf(const VARIANT& value);
// The layer of that name in any case of letters; Fault{kKeyNotFound} when there is none.
std::size_t findLayer(const Server& server, const std::wstring& name);
// Fault{E_INVALIDARG} unless `color` is within [lowest, highest].
void requireColor(long color, long lowest, long highest);

// Fails the call unless it has exactly `count` arguments.
void expectArguments(const Call& call, std::size_t count);

}  // namespace standin
