-- Layout 6: the firm's profile, one for the whole team, and report numbers counted per prefix and year.

-- One row: the profile's fields as an object, the logo's bytes apart, and a version every change counts
-- up, so a member fetches the logo only when it changed.
CREATE TABLE terrovane.firm_profile (
    id integer PRIMARY KEY CHECK (id = 1),
    profile jsonb NOT NULL,
    logo bytea,
    version bigint NOT NULL,
    changed_by name NOT NULL,
    changed_at timestamptz NOT NULL DEFAULT now()
);

-- The last number issued per prefix and year; a row is counted up under its lock, so two members never
-- receive the same number.
CREATE TABLE terrovane.report_numbers (
    prefix text NOT NULL,
    year integer NOT NULL,
    last bigint NOT NULL CHECK (last >= 1),
    issued_by name NOT NULL,
    PRIMARY KEY (prefix, year)
);

DO $$
DECLARE
    api name := (SELECT value FROM terrovane.meta WHERE key = 'api_role');
BEGIN
    EXECUTE format('ALTER TABLE terrovane.firm_profile OWNER TO %I', api);
    EXECUTE format('ALTER TABLE terrovane.report_numbers OWNER TO %I', api);
END
$$;
