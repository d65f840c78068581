// assets_anchor.cpp: gives the resource library an object file of its own.
namespace wirangga_assets_anchor {
int anchor = 0;
}
