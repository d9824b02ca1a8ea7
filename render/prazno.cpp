// The render library's sources are added here.
namespace nmk {}
