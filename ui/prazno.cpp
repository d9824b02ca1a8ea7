namespace nmk {}
