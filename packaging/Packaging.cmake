# install rules and packages: filled in by its component
