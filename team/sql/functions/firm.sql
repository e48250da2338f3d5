-- The firm's profile, read by every member and changed by admins only, and the report numbers issued to
-- inspectors and admins. The server checks what it keeps: a member's program is not trusted to.

-- The profile when its version is not the one the caller holds (NULL: none held); no row otherwise, or
-- when no profile was set.
CREATE OR REPLACE FUNCTION terrovane.firm(client_layout integer, held_version bigint)
RETURNS TABLE (profile jsonb, logo bytea, version bigint)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    PERFORM terrovane.member_role();
    RETURN QUERY SELECT f.profile, f.logo, f.version FROM terrovane.firm_profile f
                 WHERE f.id = 1 AND f.version IS DISTINCT FROM held_version;
END
$$;

-- A text field of the profile: a string of at most `most` characters.
CREATE OR REPLACE FUNCTION terrovane.firm_text_ok(value jsonb, most integer) RETURNS boolean
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$ SELECT value IS NOT NULL AND jsonb_typeof(value) = 'string' AND length(value #>> '{}') <= most $$;

-- Replaces the profile; admins only. Returns its new version.
CREATE OR REPLACE FUNCTION terrovane.set_firm(client_layout integer, new_profile jsonb, new_logo bytea)
RETURNS bigint
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    logo_type text := new_profile->>'logo_type';
    new_version bigint;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    IF terrovane.member_role() <> 'admin' THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'only an admin changes the firm''s profile';
    END IF;
    IF jsonb_typeof(new_profile) IS DISTINCT FROM 'object'
       OR EXISTS (SELECT 1 FROM jsonb_object_keys(new_profile) k
                  WHERE k NOT IN ('name', 'address', 'phone', 'email', 'licence', 'prefix', 'logo_type'))
       OR NOT (terrovane.firm_text_ok(new_profile->'name', 200) AND terrovane.firm_text_ok(new_profile->'phone', 200)
               AND terrovane.firm_text_ok(new_profile->'email', 200)
               AND terrovane.firm_text_ok(new_profile->'licence', 200)
               AND terrovane.firm_text_ok(new_profile->'address', 1000)
               AND terrovane.firm_text_ok(new_profile->'prefix', 12))
       OR (new_profile->>'prefix' <> '' AND new_profile->>'prefix' !~ '^[A-Za-z0-9]{1,12}$') THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a firm''s profile';
    END IF;
    IF new_logo IS NOT NULL AND (length(new_logo) > 1048576
       OR NOT ((logo_type = 'png' AND substring(new_logo FROM 1 FOR 8) = '\x89504e470d0a1a0a'::bytea)
               OR (logo_type = 'svg' AND position('\x3c737667'::bytea IN new_logo) > 0
                   AND position('\x00'::bytea IN new_logo) = 0))) THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'the logo is neither a PNG image nor an SVG drawing';
    END IF;
    INSERT INTO terrovane.firm_profile AS f (id, profile, logo, version, changed_by, changed_at)
        VALUES (1, new_profile - CASE WHEN new_logo IS NULL THEN 'logo_type' ELSE '' END, new_logo, 1,
                session_user, now())
        ON CONFLICT (id) DO UPDATE SET profile = excluded.profile, logo = excluded.logo,
                                       version = f.version + 1, changed_by = excluded.changed_by,
                                       changed_at = excluded.changed_at
        RETURNING f.version INTO new_version;
    RETURN new_version;
END
$$;

-- The next report number of the prefix and year, "PREFIX-YEAR-0001": for inspectors and admins, who
-- issue reports. The sequence has at least four digits and grows past them; it is never cut.
CREATE OR REPLACE FUNCTION terrovane.issue_report_number(client_layout integer, report_prefix text,
                                                         report_year integer)
RETURNS text
LANGUAGE plpgsql VOLATILE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
DECLARE
    issued bigint;
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    IF terrovane.member_role() NOT IN ('admin', 'inspector') THEN
        RAISE EXCEPTION USING ERRCODE = '42501', MESSAGE = 'only inspectors and admins issue reports';
    END IF;
    IF report_prefix IS NULL OR report_prefix !~ '^[A-Za-z0-9]{1,12}$' OR report_year IS NULL
       OR report_year NOT BETWEEN 2000 AND 9999 THEN
        RAISE EXCEPTION USING ERRCODE = '22023', MESSAGE = 'not a report number''s prefix and year';
    END IF;
    INSERT INTO terrovane.report_numbers AS r (prefix, year, last, issued_by)
        VALUES (report_prefix, report_year, 1, session_user)
        ON CONFLICT (prefix, year) DO UPDATE SET last = r.last + 1, issued_by = excluded.issued_by
        RETURNING r.last INTO issued;
    RETURN report_prefix || '-' || report_year || '-' ||
           CASE WHEN issued < 1000 THEN lpad(issued::text, 4, '0') ELSE issued::text END;
END
$$;
