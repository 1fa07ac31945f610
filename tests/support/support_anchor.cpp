// Keeps the support library non-empty before the first double lands.
namespace qs::test { int support_anchor = 0; }
